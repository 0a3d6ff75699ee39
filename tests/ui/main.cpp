// The desktop test program: an offscreen QApplication, the per-user settings in a temporary
// folder, and every registered Qt Test class run in turn. A first argument naming a class runs
// that class alone, with the rest of the arguments (Qt Test's own options and functions).
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/app_title.h"
#include "ui_test_support.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen platform warns that it cannot pass size hints on; that says nothing about us.
  if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
  QTemporaryDir settings;
  if (!settings.isValid()) return 2;
  // Before any QSettings exists: the tests never touch the user's real settings.
  qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  // The error log "zorva.log" is written in the current folder: keep it out of the build tree.
  QDir::setCurrent(settings.path());

  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // a test that closes the main window goes on
  QApplication::setOrganizationName(QString::fromLatin1(zorva::ui::kSettingsOrganization));
  QApplication::setApplicationName(QString::fromLatin1(zorva::ui::kSettingsApplication));

  const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  int failed = 0;
  for (const auto& make : zorva::ui_test::registered_tests()) {
    std::unique_ptr<QObject> test = make();
    if (only.isEmpty() || only.startsWith(QLatin1Char('-'))) {
      failed += QTest::qExec(test.get(), argc, argv);
    } else if (only == QLatin1String(test->metaObject()->className())) {
      argv[1] = argv[0];
      failed += QTest::qExec(test.get(), argc - 1, argv + 1);
    }
  }
  return failed == 0 ? 0 : 1;
}
