// Shared pieces of the desktop tests: registering a Qt Test class, the program directory of the
// build, start options for a quiet start-up, a recorder that answers message boxes, answering a
// modal dialog, and a main window started on a topology with its boxes recorded and its clock in
// the test's hands.
#pragma once

#include <QApplication>
#include <QDir>
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/core_session.h"
#include "ui/frm_main.h"
#include "ui/qt_host.h"
#include "ui/start_options.h"

namespace zorva::ui_test {

// Every test class registers a factory; main runs them one after another.
using TestFactory = std::function<std::unique_ptr<QObject>()>;
inline std::vector<TestFactory>& registered_tests() {
  static std::vector<TestFactory> tests;
  return tests;
}

template <typename T>
struct RegisterTest {
  RegisterTest() {
    registered_tests().push_back([] { return std::make_unique<T>(); });
  }
};

#define ZORVA_UI_TEST(Class) static ::zorva::ui_test::RegisterTest<Class> register_##Class;

// The build's program directory (binaries, labs, topologies, zorva.mdb), with a trailing '/'.
inline QString bin_dir() {
  return QStringLiteral(ZORVA_BIN_DIR "/");
}
inline QString topology(const char* relative) {
  return bin_dir() + QString::fromLatin1(relative);
}

// Start-up without splash, chooser or tip window, on the given topology.
inline ui::StartOptions quiet_start(const QString& topology_file) {
  ui::StartOptions o;
  o.app_dir = bin_dir();
  o.topology = topology_file;
  o.show_splash = false;
  o.show_tips = false;
  return o;
}

// Runs `open`, which shows a modal dialog, and hands the dialog to `answer` from within its event
// loop; a dialog still open after that is closed. Returns the dialog's class name, "" when none
// came.
inline QString through_modal(const std::function<void()>& open,
                             const std::function<void(QWidget*)>& answer = {}) {
  QString shown;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* m = QApplication::activeModalWidget();
    if (!m || !shown.isEmpty()) return;
    shown = QString::fromLatin1(m->metaObject()->className());
    if (answer) answer(m);
    if (m->isVisible()) m->close();
  });
  poll.start(0);
  open();
  return shown;
}

// Answers the boxes of a QtHost from a queue (then Cancel, or Ok for OK-only boxes) and records
// what they said.
struct BoxRecorder {
  struct Box {
    std::string title;  // the box's caption
    std::string text;   // its message
    Buttons buttons;    // which buttons it offered
  };
  void attach(ui::QtHost& host) {
    host.set_answer_function([this](std::string_view title, std::string_view text, Buttons b) {
      boxes.push_back({std::string(title), std::string(text), b});
      if (answers.empty()) return b == Buttons::Ok ? Answer::Ok : Answer::Cancel;
      const Answer a = answers.front();
      answers.pop_front();
      return a;
    });
  }
  void queue(Answer a) { answers.push_back(a); }

  std::vector<Box> boxes;      // every box shown, in order
  std::deque<Answer> answers;  // answers still to give
};

// A main window for a test class to inherit: started without splash or tips, its boxes answered
// by `boxes_`, and the real-time clock reading `fake_ms_`, which only the test moves.
struct MainWindowRig {
  std::unique_ptr<ui::frmMain> w_;
  BoxRecorder boxes_;
  qint64 fake_ms_ = 0;

  // `file` is absolute or in the program directory; `before` runs on the new window before its
  // start-up (to answer a question start-up asks).
  void start(const QString& file, const std::function<void()>& before = {}) {
    w_ = std::make_unique<ui::frmMain>(
        quiet_start(QDir::isAbsolutePath(file) ? file : bin_dir() + file));
    boxes_ = BoxRecorder();
    boxes_.attach(w_->host());
    fake_ms_ = 0;
    w_->session().set_clock([this] { return fake_ms_; });
    if (before) before();
    w_->start_up();
  }
};

}  // namespace zorva::ui_test
