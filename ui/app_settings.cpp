// Reading and writing the per-user settings through QSettings.
#include "ui/app_settings.h"

#include <QSettings>

#include "ui/app_title.h"

namespace zorva::ui {

namespace {

constexpr const char* kPlacementSection = "Settings";
constexpr const char* kOptionsSection = "Options";
constexpr const char* kShowTips = "Show Tips at Startup";
constexpr const char* kBehaviour = "Behaviour";
constexpr const char* kConsoleFontSize = "Console Font Size";
constexpr const char* kPlacementKeys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};

}  // namespace

void write_placement(const Placement& p) {
  QSettings s(kSettingsOrganization, kSettingsApplication);
  s.beginGroup(kPlacementSection);
  const int values[] = {p.left, p.top, p.width, p.height};
  for (int i = 0; i < 4; ++i) s.setValue(kPlacementKeys[i], values[i]);
  s.endGroup();
}

std::optional<Placement> read_placement() {
  QSettings s(kSettingsOrganization, kSettingsApplication);
  s.beginGroup(kPlacementSection);
  int values[4] = {};
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    values[i] = s.value(kPlacementKeys[i]).toInt(&ok);
    if (!ok) return std::nullopt;
  }
  if (values[2] <= 0 || values[3] <= 0) return std::nullopt;
  return Placement{values[0], values[1], values[2], values[3]};
}

int read_show_tips() {
  QSettings s(kSettingsOrganization, kSettingsApplication);
  bool ok = false;
  const int v = s.value(QStringLiteral("%1/%2").arg(kOptionsSection, kShowTips), 1).toInt(&ok);
  return ok ? v : 1;
}

void write_show_tips(int value) {
  QSettings s(kSettingsOrganization, kSettingsApplication);
  s.setValue(QStringLiteral("%1/%2").arg(kOptionsSection, kShowTips), value);
}

Behaviour default_behaviour_setting() {
  QSettings s(kSettingsOrganization, kSettingsApplication);
  const QString name = s.value(QStringLiteral("%1/%2").arg(kOptionsSection, kBehaviour)).toString();
  return behaviour_named(name.toStdString()).value_or(Behaviour::Classic);
}

void write_default_behaviour(Behaviour b) {
  QSettings s(kSettingsOrganization, kSettingsApplication);
  s.setValue(QStringLiteral("%1/%2").arg(kOptionsSection, kBehaviour),
             QString::fromLatin1(behaviour_name(b).data(), behaviour_name(b).size()));
}

int console_font_size_setting() {
  QSettings s(kSettingsOrganization, kSettingsApplication);
  bool ok = false;
  const int points =
      s.value(QStringLiteral("%1/%2").arg(kOptionsSection, kConsoleFontSize)).toInt(&ok);
  return ok && points >= kSmallestConsoleFont && points <= kLargestConsoleFont ? points : 0;
}

void write_console_font_size(int points) {
  QSettings s(kSettingsOrganization, kSettingsApplication);
  s.setValue(QStringLiteral("%1/%2").arg(kOptionsSection, kConsoleFontSize), points);
}

}  // namespace zorva::ui
