// zorva: the simulator's desktop face. Starts the main window on the program directory (the
// executable's folder unless --app-dir says otherwise); --screenshot saves a picture and quits.
// The arguments are read before any window-system connection, so --help, --version and a bad
// argument work without a display, and a missing display is one line rather than an abort.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "base/app_paths.h"
#include "simulation/simulation.h"
#include "ui/app_title.h"
#include "ui/color_theme.h"
#include "ui/core_session.h"
#include "ui/frm_diagram.h"
#include "ui/frm_main.h"
#include "ui/lab_menu.h"
#include "ui/start_options.h"

namespace {

// Brings one link up and shuts another, so that the diagram shows every colour of a cable end.
void set_up_links_for_the_diagram(zorva::ui::frmMain& w) {
  const auto type = [&w](int n, const char* text) {
    for (const char* c = text; *c; ++c) w.session().key(n, *c);
  };
  type(1,
       "\renable\rconfigure terminal\rinterface serial0\rip address 10.1.12.1 255.255.255.0\r"
       "no shutdown\rend\r");
  type(2,
       "\renable\rconfigure terminal\rinterface serial1\rip address 10.1.12.2 255.255.255.0\r"
       "no shutdown\rinterface serial0\rno shutdown\rend\r");
  type(3, "\renable\rconfigure terminal\rhostname Core3\rend\r");
  w.session().run_for(30000);
}

// Presses Enter in every console so that each shows its prompt (or, with the diagram open, sets
// up a few links), then saves the window to `file`.
void take_screenshot(zorva::ui::frmMain& w, const QString& file, bool diagram) {
  if (diagram) {
    set_up_links_for_the_diagram(w);
    // After the start-up has given Router 1 the keyboard.
    QTimer::singleShot(0, &w, [&w] {
      w.show_diagram();
      w.diagram_window()->showMaximized();
    });
  } else {
    // Every console shows its prompt, and Router 1 a report as wide as reports get.
    for (int n = 1; n <= w.sim().number_of_routers; ++n) w.session().key(n, 13);
    for (const char c : std::string("show version\r")) w.session().key(1, c);
  }
  QTimer::singleShot(400, &w, [&w, file] {
    const bool saved = w.grab().save(file, "PNG");
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "could not write",
                 qPrintable(file));
    QApplication::exit(saved ? 0 : 1);
  });
}

// The executable's folder, found without the application object.
std::filesystem::path executable_folder(const char* argv0) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path();
}

// An installed program writes its error log ("zorva.log" in the current folder) in the user's
// state folder instead: the current folder of a program started from the menu may be anywhere,
// and the program's own folders are not the user's. Every file the desktop asks for is chosen
// in a dialog that names its folder, so only the log follows the current folder; the paths given
// on the command line are made absolute first.
void keep_the_log_in_the_users_folder(zorva::ui::StartOptions& options) {
  const std::filesystem::path state = zorva::user_state_folder();
  std::error_code ec;
  if (state.empty() || (!std::filesystem::create_directories(state, ec) && ec)) return;
  const auto absolute = [](QString& path) {
    if (!path.isEmpty()) path = QFileInfo(path).absoluteFilePath();
  };
  absolute(options.topology);
  absolute(options.lab);
  absolute(options.screenshot);
  QDir::setCurrent(QString::fromStdString(state.string()));
}

}  // namespace

int main(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
    std::fputs(qPrintable(zorva::ui::start_options_usage()), stdout);
    return 0;
  }
  if (args.contains(QStringLiteral("--version"))) {
    std::fputs(qPrintable(zorva::ui::start_options_version()), stdout);
    return 0;
  }
  QString error;
  const std::filesystem::path exe = executable_folder(argv[0]);
  const std::filesystem::path data = zorva::program_data_folder(exe);
  auto options =
      zorva::ui::parse_start_options(args, QString::fromStdString(data.string()), &error);
  if (!options) {
    std::fprintf(stderr, "%s\n%s", qPrintable(error), qPrintable(zorva::ui::start_options_usage()));
    return 2;
  }
  if (const auto message = zorva::ui::no_display_message(
          std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"))) {
    std::fputs(qPrintable(*message), stderr);
    return 2;
  }

  QApplication app(argc, argv);
  QApplication::setOrganizationName(QString::fromLatin1(zorva::ui::kSettingsOrganization));
  QApplication::setApplicationName(QString::fromLatin1(zorva::ui::kSettingsApplication));
  zorva::ui::follow_system_theme(app);
  if (!QDir(options->app_dir).exists()) {
    std::fprintf(stderr, "zorva: the program directory %s does not exist; starting with no data\n",
                 qPrintable(options->app_dir));
  }

  if (data != exe) keep_the_log_in_the_users_folder(*options);
  zorva::ui::frmMain window(*options);
  window.start_up();
  if (!options->screenshot.isEmpty()) {
    take_screenshot(window, options->screenshot, options->show_diagram);
  } else if (options->show_diagram) {
    QTimer::singleShot(0, &window, [&window] { window.show_diagram(); });
  }
  return QApplication::exec();
}
