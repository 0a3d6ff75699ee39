// Command-line parsing of the desktop program.
#include "ui/start_options.h"

namespace zorva::ui {

QString start_options_usage() {
  return QStringLiteral(
      "usage: zorva [--topology PATH] [--app-dir DIR] [--no-splash] [--no-tips] "
      "[--screenshot FILE] [--diagram]\n");
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
    } else {
      if (error) *error = QStringLiteral("zorva: unknown or incomplete argument '%1'").arg(a);
      return std::nullopt;
    }
  }
  return o;
}

}  // namespace zorva::ui
