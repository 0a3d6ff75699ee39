// `frmDocument`, one router's console window: the read-only transcript `txtout` above the one-line
// input `txtin`. It is a view of the core's Console model: keys go to the core, and the core tells
// it what was appended to the transcript and when the input line changed. The transcript is only
// ever appended to, so a console that has printed for hours still takes keys at once.
#pragma once

#include <QPlainTextEdit>
#include <QWidget>
#include <string_view>

#include "router/console.h"

namespace zorva {
class Router;
}

namespace zorva::ui {

class ConsoleInput;
class CoreSession;

// The transcript area: it never keeps the focus, it hands it to the input line.
class TranscriptView : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit TranscriptView(QWidget* parent = nullptr);
  // Adds text at the end without touching the user's selection, and scrolls to the end.
  void append_text(const QString& text);

 protected:
  // A console that showed its last line still shows it after the window is resized or tiled.
  void resizeEvent(QResizeEvent* e) override;
};

class frmDocument : public QWidget, public ConsoleView {
  Q_OBJECT

 public:
  frmDocument(CoreSession& session, int number, QWidget* parent = nullptr);
  ~frmDocument() override;

  int number() const { return number_; }
  TranscriptView* txtout() const { return txtout_; }
  ConsoleInput* txtin() const { return txtin_; }

  // The width this console needs to show `columns` characters a line without wrapping them, with
  // room for the transcript's scroll bar.
  int width_for_columns(int columns) const;
  // Takes the consoles' font again (the student changed its size in Options).
  void use_console_font();

  // The transcript as plain text, CR LF turned into line breaks.
  QString transcript_text() const;

  // ConsoleView: the core's changes.
  void transcript_appended(std::string_view text) override;
  void input_changed() override;

 signals:
  void console_focused(int number);  // the input line got the focus

 protected:
  void closeEvent(QCloseEvent* e) override;  // router windows cannot be closed
  void focusInEvent(QFocusEvent* e) override;

 private:
  Router* router() const;

  CoreSession& session_;              // the core this console belongs to
  const int number_;                  // router n of the topology
  TranscriptView* txtout_ = nullptr;  // everything the router printed
  ConsoleInput* txtin_ = nullptr;     // prompt and typed line
};

// The fixed-width font of the consoles.
QFont console_font();

}  // namespace zorva::ui
