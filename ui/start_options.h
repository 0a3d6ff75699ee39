// The desktop program's command-line options, for automation and tests:
//   --topology PATH   load PATH and skip the topology chooser
//   --lab FILE        open the lab FILE (also a lab file given as the only argument)
//   --app-dir DIR     the program directory (default: the executable's folder)
//   --no-splash       no start-up window
//   --no-tips         no tip of the day, whatever the stored preference says
//   --screenshot FILE start filling the screen, show the consoles and the Lab Navigator, save
//                     the window to FILE, quit
//   --diagram         open the network diagram once started
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zorva::ui {

struct StartOptions {
  QString app_dir;            // program directory: data, labs, topologies, zorva.mdb
  QString topology;           // topology to load; empty = ask with the chooser
  QString lab;                // lab file to open instead of a topology; empty for none
  bool show_splash = true;    // show frmSplash during start-up
  bool show_tips = true;      // show frmTip when the preference says so
  QString screenshot;         // where to save a picture of the window, then quit
  bool show_diagram = false;  // open the network diagram at start
};

// Parses the arguments after the program name. On a bad argument returns nothing and sets `error`.
std::optional<StartOptions> parse_start_options(const QStringList& args, const QString& app_dir,
                                                QString* error);

QString start_options_usage();

// "Kolvo Router Simulator 1.01" and a line break, for --version.
QString start_options_version();

// The one line to print when there is no display to open a window on, or nothing when there is
// one. The arguments are the environment's QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY (null when
// unset); a chosen platform plugin (offscreen, vnc ...) counts as a display.
std::optional<QString> no_display_message(const char* platform, const char* display,
                                          const char* wayland_display);

}  // namespace zorva::ui
