// The small dialogs: the tip of the day and its stored preference, the options dialog's tab keys
// and buttons, the about box, and the topology chooser's three choices.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "shell/scripted_host.h"
#include "shell/simulation.h"
#include "ui/app_settings.h"
#include "ui/frm_about.h"
#include "ui/frm_choose_topo.h"
#include "ui/frm_options.h"
#include "ui/frm_tip.h"
#include "ui/tip_list.h"
#include "ui_test_support.h"

using namespace zorva;
using namespace zorva::ui;
using namespace zorva::ui_test;

namespace {

// A program directory of its own, with a tips file of the given lines.
std::string app_with_tips(const QTemporaryDir& dir, const QByteArray& content) {
  QFile f(dir.filePath(QStringLiteral("TIPOFDAY.TXT")));
  if (f.open(QIODevice::WriteOnly)) f.write(content);
  return dir.path().toStdString() + "/";
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { write_show_tips(1); }

  // ---- tips -------------------------------------------------------------------------------------

  void a_single_tip_always_shows() {
    QTemporaryDir dir;
    ScriptedHost host;
    frmTip tip(host, app_with_tips(dir, "Only tip\r\n"));
    QCOMPARE(tip.tip_label()->text(), QStringLiteral("Only tip"));
    for (int i = 0; i < 5; ++i) {
      tip.next_tip();
      QCOMPARE(tip.tip_label()->text(), QStringLiteral("Only tip"));
    }
  }

  void every_line_is_a_tip_empty_ones_too() {
    QTemporaryDir dir;
    TipList tips;
    QVERIFY(tips.load(app_with_tips(dir, "one\r\n\r\nthree\nfour") + "TIPOFDAY.TXT"));
    QCOMPARE(tips.count(), 4);
    QCOMPARE(tips.tip(2), std::string());
    QCOMPARE(tips.tip(3), std::string("three"));
    QCOMPARE(tips.tip(4), std::string("four"));
    QCOMPARE(tips.tip(5), std::string());
  }

  void the_random_number_picks_the_tip() {
    QTemporaryDir dir;
    TipList tips;
    QVERIFY(tips.load(app_with_tips(dir, "a\nb\nc\nd\n") + "TIPOFDAY.TXT"));
    tips.choose_next(0.0);
    QCOMPARE(tips.current(), 1);
    tips.choose_next(0.49);
    QCOMPARE(tips.current(), 2);
    tips.choose_next(0.999999);
    QCOMPARE(tips.current(), 4);
    tips.choose_next(1.0);  // never from a [0, 1) source, but must not run past the end
    QCOMPARE(tips.current(), 4);
  }

  void a_missing_tips_file_is_explained() {
    QTemporaryDir dir;
    ScriptedHost host;
    frmTip tip(host, dir.path().toStdString() + "/");
    QCOMPARE(tip.tip_label()->text(),
             QStringLiteral("That the TIPOFDAY.TXT file was not found? \n\nCreate a text file "
                            "named TIPOFDAY.TXT using NotePad with 1 tip per line. Then place it "
                            "in the same directory as the application. "));
    QVERIFY(!TipList().load(""));
  }

  void the_tips_preference_persists() {
    ScriptedHost host;
    {
      frmTip tip(host, bin_dir().toStdString());
      QVERIFY(tip.show_at_startup()->isChecked());
      tip.show_at_startup()->click();
    }
    QCOMPARE(read_show_tips(), 0);
    QVERIFY(!frmTip::wanted_at_startup());
    frmTip again(host, bin_dir().toStdString());
    QVERIFY(!again.show_at_startup()->isChecked());
    again.show_at_startup()->click();
    QCOMPARE(read_show_tips(), 1);
  }

  void the_shipped_tips_file_has_enough_tips() {
    TipList tips;
    QVERIFY(tips.load(bin_dir().toStdString() + "TIPOFDAY.TXT"));
    QVERIFY(tips.count() >= 30);
  }

  // ---- options ----------------------------------------------------------------------------------

  void ctrl_tab_moves_through_the_tabs_and_wraps() {
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
  }

  void only_the_shown_tab_page_is_enabled() {
    ScriptedHost host;
    Simulation sim(host, {bin_dir().toStdString(), {}});
    frmOptions options(sim);
    options.tabs()->setCurrentIndex(1);
    for (int i = 0; i < options.tabs()->count(); ++i) {
      QCOMPARE(options.tabs()->widget(i)->isEnabled(), i == 1);
    }
  }

  void apply_and_ok_show_their_messages() {
    ScriptedHost host;
    Simulation sim(host, {bin_dir().toStdString(), {}});
    frmOptions options(sim);
    options.show();
    auto* apply = options.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Apply);
    auto* ok = options.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    apply->click();
    QVERIFY(options.isVisible());
    ok->click();
    QVERIFY(!options.isVisible());
    QCOMPARE(host.boxes.size(), std::size_t{2});
    QCOMPARE(host.boxes[0].text,
             std::string("Apply Code goes here to set options w/o closing dialog!"));
    QCOMPARE(host.boxes[1].text, std::string("Code goes here to set options and close dialog!"));
  }

  // ---- about ------------------------------------------------------------------------------------

  void about_shows_title_and_version() {
    ScriptedHost host;
    frmAbout about(host);
    QCOMPARE(about.title_label()->text(), QStringLiteral("Kolvo Router Simulator"));
    QCOMPARE(about.version_label()->text(),
             version_label_text(ZORVA_VERSION_MAJOR, ZORVA_VERSION_MINOR, ZORVA_VERSION_PATCH));
    QCOMPARE(version_label_text(4, 0, 1), QStringLiteral("Version 4.0.1"));
  }

  void system_info_without_a_tool_is_unavailable() {
    ScriptedHost host;
    frmAbout about(host, nullptr, [] { return QString(); });
    about.StartSysInfo();
    QCOMPARE(host.boxes.size(), std::size_t{1});
    QCOMPARE(host.boxes[0].text, std::string("System Information Is Unavailable At This Time"));
    QVERIFY(host.launched.empty());
  }

  void system_info_starts_the_tool_when_there_is_one() {
    ScriptedHost host;
    frmAbout about(host, nullptr, [] { return QStringLiteral("/usr/bin/sysinfo-tool"); });
    about.StartSysInfo();
    QVERIFY(host.boxes.empty());
    QCOMPARE(host.launched, std::vector<std::string>{"/usr/bin/sysinfo-tool"});
  }

  // ---- topology chooser -------------------------------------------------------------------------

  void keeping_the_current_topology_closes_the_chooser() {
    ScriptedHost host;
    frmChooseTopo chooser(host, "/app/", "/app/default.ini", nullptr,
                          [](QWidget*, const QString&) { return QStringLiteral("/never.ini"); });
    chooser.show();
    chooser.pick_button()->click();
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.topology_file(), std::string("/app/default.ini"));
  }

  void opening_a_file_replaces_the_topology() {
    ScriptedHost host;
    QString asked_folder;
    frmChooseTopo chooser(host, bin_dir().toStdString(), "default.ini", nullptr,
                          [&](QWidget*, const QString& folder) {
                            asked_folder = folder;
                            return QStringLiteral("/labs/square.ini");
                          });
    chooser.show();
    chooser.open_file()->setChecked(true);
    chooser.pick_button()->click();
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.topology_file(), std::string("/labs/square.ini"));
    QVERIFY(asked_folder.endsWith(QStringLiteral("topologies")));
  }

  void cancelling_the_file_dialog_keeps_the_chooser_open() {
    ScriptedHost host;
    frmChooseTopo chooser(host, "/app/", "/app/default.ini", nullptr,
                          [](QWidget*, const QString&) { return QString(); });
    chooser.show();
    chooser.open_file()->setChecked(true);
    chooser.pick_button()->click();
    QVERIFY(chooser.isVisible());
    QCOMPARE(chooser.topology_file(), std::string("/app/default.ini"));
  }

  void making_a_topology_without_the_program_keeps_the_chooser_open() {
    ScriptedHost host;
    QTemporaryDir empty;
    frmChooseTopo chooser(host, empty.path().toStdString() + "/", "default.ini");
    chooser.show();
    chooser.make_new()->setChecked(true);
    chooser.pick_button()->click();
    QVERIFY(chooser.isVisible());
    QCOMPARE(host.boxes.size(), std::size_t{1});
    QCOMPARE(host.boxes[0].text, std::string("Cannot find the Program.  Make sure it is in the "
                                             "same directory as your simulator."));
  }

  void making_a_topology_starts_the_program_beside_the_simulator() {
    ScriptedHost host;
    QTemporaryDir app;
    QFile program(app.filePath(QStringLiteral("Topozor.exe")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.close();
    frmChooseTopo chooser(host, app.path().toStdString() + "/", "default.ini");
    chooser.show();
    chooser.make_new()->setChecked(true);
    chooser.pick_button()->click();
    QVERIFY(chooser.isVisible());
    QCOMPARE(host.launched, std::vector<std::string>{app.path().toStdString() + "/Topozor.exe"});
  }

  void the_chooser_cannot_be_closed_or_escaped() {
    ScriptedHost host;
    frmChooseTopo chooser(host, "/app/", "/app/default.ini");
    chooser.show();
    QTest::keyClick(&chooser, Qt::Key_Escape);
    QVERIFY(chooser.isVisible());
    chooser.close();
    QVERIFY(chooser.isVisible());
    QVERIFY(!(chooser.windowFlags() & Qt::WindowCloseButtonHint));
  }

  void the_open_dialog_offers_top_and_ini_files() {
    QVERIFY(topology_file_filters().startsWith(QStringLiteral("top Files (*.top)")));
    QVERIFY(topology_file_filters().contains(QStringLiteral("*.ini")));
  }
};

ZORVA_UI_TEST(DialogsTest)
#include "dialogs_test.moc"
