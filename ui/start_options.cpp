// Command-line parsing of the desktop program.
#include "ui/start_options.h"

#include "base/app_paths.h"
#include "ui/app_title.h"

namespace zorva::ui {

QString start_options_usage() {
  return QStringLiteral(
      "usage: zorva [--topology PATH|--lab FILE|FILE.zlab] [--app-dir DIR] [--no-splash] "
      "[--no-tips] [--screenshot FILE] [--diagram] [--help] [--version]\n");
}

QString start_options_version() {
  return QStringLiteral("%1 %2\n").arg(QString::fromLatin1(kProductTitle),
                                       QString::fromStdString(program_version_text()));
}

std::optional<QString> no_display_message(const char* platform, const char* display,
                                          const char* wayland_display) {
  auto set = [](const char* v) { return v != nullptr && *v != '\0'; };
  if (set(platform) || set(display) || set(wayland_display)) return std::nullopt;
  return QStringLiteral(
      "zorva: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are not set); "
      "zorva-term runs the simulator in a terminal\n");
}

std::optional<StartOptions> parse_start_options(const QStringList& args, const QString& app_dir,
                                                QString* error) {
  StartOptions o;
  o.app_dir = app_dir;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    const bool has_value = i + 1 < args.size();
    if (a == QLatin1String("--topology") && has_value) {
      o.topology = args[++i];
    } else if (a == QLatin1String("--lab") && has_value) {
      o.lab = args[++i];
    } else if (a == QLatin1String("--app-dir") && has_value) {
      o.app_dir = args[++i];
    } else if (a == QLatin1String("--no-splash")) {
      o.show_splash = false;
    } else if (a == QLatin1String("--diagram")) {
      o.show_diagram = true;
    } else if (a == QLatin1String("--no-tips")) {
      o.show_tips = false;
    } else if (a == QLatin1String("--screenshot") && has_value) {
      o.screenshot = args[++i];
      o.show_splash = false;
      o.show_tips = false;
    } else if (!a.startsWith(QLatin1Char('-')) && o.lab.isEmpty()) {
      o.lab = a;  // a lab file, as a file manager passes it on a double-click
    } else {
      if (error) *error = QStringLiteral("zorva: unknown or incomplete argument '%1'").arg(a);
      return std::nullopt;
    }
  }
  return o;
}

}  // namespace zorva::ui
