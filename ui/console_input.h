// `txtin`, the one-line input area of a router console. It shows the text and caret the core gives
// it and never edits itself: every key (Tab included, which would otherwise move the focus, and
// Ctrl+letters, which would otherwise fire menu shortcuts) is handed on as a console key.
#pragma once

#include <QLineEdit>

#include "ui/console_keys.h"

namespace zorva::ui {

class ConsoleInput : public QLineEdit {
  Q_OBJECT

 public:
  explicit ConsoleInput(QWidget* parent = nullptr);

  // Shows the core's input text with the caret at `caret`.
  void show_line(const QString& text, int caret);

 signals:
  void key_typed(int code);  // a character code for the console's key handler
  void function_key(int n);  // F1..F12
  void focus_received();     // the input line got the keyboard focus

 protected:
  bool event(QEvent* e) override;
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  bool hand_on(const ConsoleKey& k);
  void restore_caret();

  int caret_ = 0;  // where the core put the caret
};

}  // namespace zorva::ui
