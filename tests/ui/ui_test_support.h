// Shared pieces of the desktop tests: registering a Qt Test class, the program directory of the
// build, start options for a quiet start-up, and a recorder that answers message boxes.
#pragma once

#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/host.h"
#include "ui/start_options.h"

namespace zorva::ui {
class QtHost;
}

namespace zorva::ui_test {

// Every test class registers a factory; main runs them one after another.
using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& registered_tests();

template <typename T>
struct RegisterTest {
  RegisterTest() {
    registered_tests().push_back([] { return std::make_unique<T>(); });
  }
};

#define ZORVA_UI_TEST(Class) static ::zorva::ui_test::RegisterTest<Class> register_##Class;

// The build's program directory (binaries, labs, topologies, zorva.mdb), with a trailing '/'.
QString bin_dir();
// A topology that ships, by its path under the program directory.
QString topology(const char* relative);
// Whether the generated command database is there.
bool have_command_database();

// Start-up without splash, chooser or tip window, on the given topology.
ui::StartOptions quiet_start(const QString& topology_file);

// Answers the boxes of a QtHost from a queue and records what they said.
class BoxRecorder {
 public:
  struct Box {
    std::string title;  // the box's caption
    std::string text;   // its message
    Buttons buttons;    // which buttons it offered
  };
  void attach(ui::QtHost& host);
  void queue(Answer a) { answers.push_back(a); }

  std::vector<Box> boxes;      // every box shown, in order
  std::deque<Answer> answers;  // answers still to give; Cancel (or Ok for OK-only) when empty
};

}  // namespace zorva::ui_test
