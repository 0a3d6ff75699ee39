// Shared pieces of the desktop tests: registering a Qt Test class, the program directory of the
// build, start options for a quiet start-up, and a recorder that answers message boxes.
#pragma once

#include <QFile>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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
inline bool have_command_database() {
  return QFile::exists(bin_dir() + "zorva.mdb");
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

}  // namespace zorva::ui_test
