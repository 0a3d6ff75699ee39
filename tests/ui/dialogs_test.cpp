// The small dialogs: the tip of the day and its stored preference, the options dialog's tab keys
// and buttons, the about box, and the topology chooser's three choices.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "base/scripted_host.h"
#include "lab/check_file.h"
#include "simulation/simulation.h"
#include "ui/app_settings.h"
#include "ui/frm_about.h"
#include "ui/frm_check_results.h"
#include "ui/frm_choose_topo.h"
#include "ui/frm_document.h"
#include "ui/frm_options.h"
#include "ui/frm_tip.h"
#include "ui/frm_topology_editor.h"
#include "ui/tip_list.h"
#include "ui_test_support.h"

using namespace zorva;
using namespace zorva::ui;
using namespace zorva::ui_test;

namespace {

// Writes a file into `dir` and returns the folder as a program directory (with a trailing '/').
std::string app_with(const QTemporaryDir& dir, const char* name, const QByteArray& content = {}) {
  QFile f(dir.filePath(QString::fromLatin1(name)));
  if (f.open(QIODevice::WriteOnly)) f.write(content);
  return dir.path().toStdString() + "/";
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { write_show_tips(1); }

  void every_line_is_a_tip_and_the_random_number_picks_one() {
    QTemporaryDir dir;
    TipList tips;
    QVERIFY(tips.load(app_with(dir, kTipsFile, "one\r\n\r\nthree\nfour") + kTipsFile));
    QCOMPARE(tips.count(), 4);
    QCOMPARE(tips.tip(2), std::string());  // empty lines are tips too
    QCOMPARE(tips.tip(3), std::string("three"));
    QCOMPARE(tips.tip(4), std::string("four"));
    QCOMPARE(tips.tip(5), std::string());
    const std::pair<double, int> picks[] = {{0.0, 1}, {0.49, 2}, {0.999999, 4}, {1.0, 4}};
    for (const auto& [random, tip] : picks) {
      tips.choose_next(random);  // 1.0 never comes from a [0, 1) source, but must stay in range
      QCOMPARE(tips.current(), tip);
    }
    QVERIFY(tips.load(bin_dir().toStdString() + kTipsFile));  // the file that ships
    QVERIFY(tips.count() >= 30);
  }

  void the_tip_window_shows_a_tip_or_explains_the_missing_file_and_keeps_the_choice() {
    QTemporaryDir dir;
    ScriptedHost host;
    frmTip tip(host, app_with(dir, kTipsFile, "Only tip\r\n"));
    tip.next_tip();
    QCOMPARE(tip.tip_label()->text(), QStringLiteral("Only tip"));
    QTemporaryDir empty;
    frmTip missing(host, empty.path().toStdString() + "/");
    QCOMPARE(missing.tip_label()->text(),
             QStringLiteral("That the TIPOFDAY.TXT file was not found? \n\nCreate a text file "
                            "named TIPOFDAY.TXT using NotePad with 1 tip per line. Then place it "
                            "in the same directory as the application. "));
    QVERIFY(!TipList().load(""));
    // "Show tips at start-up" is kept in the settings as soon as it is clicked.
    QVERIFY(tip.show_at_startup()->isChecked());
    tip.show_at_startup()->click();
    QCOMPARE(read_show_tips(), 0);
    QVERIFY(!frmTip::wanted_at_startup());
    frmTip again(host, bin_dir().toStdString());
    QVERIFY(!again.show_at_startup()->isChecked());
    again.show_at_startup()->click();
    QCOMPARE(read_show_tips(), 1);
  }

  void options_tabs_follow_ctrl_tab_and_the_buttons_show_their_messages() {
    ScriptedHost host;
    Simulation sim(host, {bin_dir().toStdString(), {}});
    frmOptions options(sim);
    options.show();
    QTabWidget* tabs = options.tabs();
    const int last = tabs->count() - 1;
    QVERIFY(last >= 1);
    tabs->setCurrentIndex(last);
    QTest::keyClick(&options, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 0);
    QTest::keyClick(&options, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs->currentIndex(), last);
    QTest::keyClick(&options, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs->currentIndex(), last - 1);
    for (int i = 0; i <= last; ++i) QCOMPARE(tabs->widget(i)->isEnabled(), i == last - 1);
    auto* box = options.findChild<QDialogButtonBox*>();
    box->button(QDialogButtonBox::Apply)->click();
    QVERIFY(options.isVisible());
    box->button(QDialogButtonBox::Ok)->click();
    QVERIFY(!options.isVisible());
    QCOMPARE(host.boxes.size(), std::size_t{2});
    QCOMPARE(host.boxes[0].text,
             std::string("Apply Code goes here to set options w/o closing dialog!"));
    QCOMPARE(host.boxes[1].text, std::string("Code goes here to set options and close dialog!"));
  }

  // The size chosen in Options is the consoles' font from then on; a size out of range in a
  // hand-edited settings file gives the system's font instead.
  void console_font_size_is_kept_and_read_back_within_its_range() {
    ScriptedHost host;
    Simulation sim(host, {bin_dir().toStdString(), {}});
    frmOptions options(sim);
    auto* size = options.findChild<QSpinBox*>(QStringLiteral("spnConsoleFont"));
    QVERIFY(size != nullptr);
    size->setValue(17);
    QCOMPARE(console_font_size_setting(), 17);
    QCOMPARE(console_font().pointSize(), 17);
    for (int stored : {kSmallestConsoleFont - 1, kLargestConsoleFont + 1}) {
      write_console_font_size(stored);
      QCOMPARE(console_font_size_setting(), 0);
      QVERIFY(console_font().pointSize() >= 10);
    }
  }

  void about_shows_the_version_and_starts_system_info_or_says_it_is_unavailable() {
    ScriptedHost host;
    frmAbout without(host, nullptr, [] { return QString(); });
    QCOMPARE(without.version_label()->text(), QStringLiteral("Version %1.%2.%3")
                                                  .arg(ZORVA_VERSION_MAJOR)
                                                  .arg(ZORVA_VERSION_MINOR)
                                                  .arg(ZORVA_VERSION_PATCH));
    without.StartSysInfo();
    QCOMPARE(host.boxes.size(), std::size_t{1});
    QCOMPARE(host.boxes[0].text, std::string("System Information Is Unavailable At This Time"));
    frmAbout with(host, nullptr, [] { return QStringLiteral("/usr/bin/sysinfo-tool"); });
    with.StartSysInfo();
    QCOMPARE(host.boxes.size(), std::size_t{1});
    QCOMPARE(host.launched, std::vector<std::string>{"/usr/bin/sysinfo-tool"});
  }

  // Only the pick button closes the chooser; a file dialog given up leaves it waiting. Picking the
  // topology it proposes is the main window's start-up test.
  void the_chooser_closes_only_on_a_topology_picked() {
    ScriptedHost host;
    QString asked_folder, picked;
    frmChooseTopo chooser(host, bin_dir().toStdString(), "default.ini", nullptr,
                          [&](QWidget*, const QString& folder) {
                            asked_folder = folder;
                            return picked;
                          });
    chooser.show();
    QVERIFY(!(chooser.windowFlags() & Qt::WindowCloseButtonHint));
    QTest::keyClick(&chooser, Qt::Key_Escape);
    chooser.close();
    QVERIFY(chooser.isVisible());
    chooser.open_file()->setChecked(true);
    chooser.pick_button()->click();  // cancelled: nothing picked
    QVERIFY(chooser.isVisible());
    QCOMPARE(chooser.topology_file(), std::string("default.ini"));
    picked = QStringLiteral("/labs/square.ini");
    chooser.pick_button()->click();
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.topology_file(), std::string("/labs/square.ini"));
    QVERIFY(asked_folder.endsWith(QStringLiteral("topologies")));
    QVERIFY(topology_file_filters().startsWith(QStringLiteral("top Files (*.top)")));
    QVERIFY(topology_file_filters().contains(QStringLiteral("*.ini")));
  }

  // "Make a new topology" opens our editor over the chooser (no outside program is started);
  // a topology saved there and accepted is the one start-up goes on with, and closing the editor
  // without that leaves the chooser waiting.
  void making_a_topology_opens_the_editor_and_starts_on_what_it_saved() {
    ScriptedHost host;
    QTemporaryDir app;
    QDir(app.path()).mkdir(QStringLiteral("topologies"));
    const QString saved = app.filePath(QStringLiteral("topologies/mine.ini"));
    frmChooseTopo chooser(host, app.path().toStdString() + "/", "default.ini");
    chooser.show();
    chooser.make_new()->setChecked(true);
    for (const bool save : {false, true}) {
      const QString shown = through_modal(
          [&] { chooser.pick_button()->click(); },
          [&](QWidget* m) {
            if (!save) return;  // closed unsaved
            auto* editor = qobject_cast<frmTopologyEditor*>(m);
            editor->findChild<QPushButton*>(QStringLiteral("btnAddRouter"))->click();
            host.queue_answer(Answer::Ok);  // "start the simulator on this topology now?"
            editor->save_to(saved);
          });
      QCOMPARE(shown, QStringLiteral("zorva::ui::frmTopologyEditor"));
      QCOMPARE(chooser.isVisible(), !save);
      QCOMPARE(chooser.topology_file(), save ? saved.toStdString() : std::string("default.ini"));
    }
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QVERIFY(host.launched.empty());
    QCOMPARE(host.boxes.size(), std::size_t{1});
    QVERIFY(host.boxes[0].text.find("Start the simulator on this topology") != std::string::npos);
  }
};

ZORVA_UI_TEST(DialogsTest)
#include "dialogs_test.moc"
