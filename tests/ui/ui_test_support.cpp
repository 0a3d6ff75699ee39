// Shared pieces of the desktop tests.
#include "ui_test_support.h"

#include <QFile>

#include "ui/qt_host.h"

namespace zorva::ui_test {

std::vector<TestFactory>& registered_tests() {
  static std::vector<TestFactory> tests;
  return tests;
}

QString bin_dir() {
  return QStringLiteral(ZORVA_BIN_DIR "/");
}

QString topology(const char* relative) {
  return bin_dir() + QString::fromLatin1(relative);
}

bool have_command_database() {
  return QFile::exists(bin_dir() + QStringLiteral("zorva.mdb"));
}

ui::StartOptions quiet_start(const QString& topology_file) {
  ui::StartOptions o;
  o.app_dir = bin_dir();
  o.topology = topology_file;
  o.show_splash = false;
  o.show_tips = false;
  return o;
}

void BoxRecorder::attach(ui::QtHost& host) {
  host.set_answer_function([this](std::string_view title, std::string_view text, Buttons b) {
    boxes.push_back({std::string(title), std::string(text), b});
    Answer a = b == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    if (!answers.empty()) {
      a = answers.front();
      answers.pop_front();
    }
    return a;
  });
}

}  // namespace zorva::ui_test
