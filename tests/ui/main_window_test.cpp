// The main window: start-up on a chosen topology, the router toolbar, switching consoles with the
// function keys, the main commands and their questions, and closing.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

#include "shell/simulation.h"
#include "ui/app_settings.h"
#include "ui/console_input.h"
#include "ui/core_session.h"
#include "ui/drawing_program.h"
#include "ui/frm_browser.h"
#include "ui/frm_document.h"
#include "ui/frm_main.h"
#include "ui/frm_topology_browser.h"
#include "ui_test_support.h"

using namespace zorva;
using namespace zorva::ui;
using namespace zorva::ui_test;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<frmMain> w_;
  BoxRecorder boxes_;
  qint64 fake_ms_ = 0;

  void start(const char* topology_file, StartOptions options = {}) {
    if (options.app_dir.isEmpty()) options = quiet_start(topology(topology_file));
    w_ = std::make_unique<frmMain>(options);
    boxes_ = BoxRecorder();
    boxes_.attach(w_->host());
    fake_ms_ = 0;
    w_->session().set_clock([this] { return fake_ms_; });
    w_->start_up();
  }
  QString input(int n) const { return w_->document(n)->txtin()->text(); }
  QUrl lab_page() const { return w_->lab_navigator()->page()->source(); }

 private slots:
  void cleanup() { w_.reset(); }

  void start_up_creates_a_console_per_router() {
    start("default.ini");
    QCOMPARE(w_->sim().number_of_routers, Int16{3});
    for (int n = 1; n <= 3; ++n) {
      QVERIFY(w_->router_window(n) != nullptr);
      QCOMPARE(w_->router_window(n)->windowTitle(), QStringLiteral("Router %1").arg(n));
    }
    QVERIFY(w_->router_window(4) == nullptr);
    QCOMPARE(w_->windowTitle(), QStringLiteral("Kolvo Router Simulator ") +
                                    QString::fromStdString(w_->sim().version_text));
  }

  void buttons_above_the_router_count_are_hidden() {
    start("topologies/two_routers.ini");
    QVERIFY(w_->button("Router1")->isVisible());
    QVERIFY(w_->button("Router2")->isVisible());
    for (int n = 3; n <= 7; ++n)
      QVERIFY(!w_->button(QStringLiteral("Router%1").arg(n))->isVisible());
  }

  void fifty_routers_show_every_button() {
    start("topologies/ring50.ini");
    QCOMPARE(w_->mdi_area()->subWindowList().size(), 51);  // fifty consoles and the Lab Navigator
    for (int n = 1; n <= 7; ++n)
      QVERIFY(w_->button(QStringLiteral("Router%1").arg(n))->isVisible());
    QCOMPARE(w_->router_window(50)->windowTitle(), QStringLiteral("Router 50"));
  }

  void a_missing_topology_starts_without_consoles() {
    start("no_such_topology.ini");
    QCOMPARE(w_->sim().number_of_routers, Int16{0});
    QVERIFY(w_->button("Router1")->isVisible());
    QVERIFY(!w_->button("Router2")->isVisible());
    QVERIFY(w_->lab_navigator() != nullptr);
  }

  void lab_navigator_opens_on_the_lab_index_with_the_focus() {
    start("default.ini");
    QVERIFY(lab_page().toLocalFile().endsWith(QStringLiteral("labs/ccna_home.htm")));
    QCOMPARE(w_->mdi_area()->activeSubWindow(), w_->browser_window(w_->lab_navigator()));
    QCOMPARE(w_->lab_navigator()->windowTitle(), QStringLiteral("Lab Navigator"));
    QCOMPARE(w_->sim().active_router, 1);
  }

  void router_windows_have_no_close_button() {
    start("default.ini");
    const Qt::WindowFlags f = w_->router_window(1)->windowFlags();
    QVERIFY(!(f & Qt::WindowCloseButtonHint));
    QVERIFY(!(f & Qt::WindowSystemMenuHint));
    w_->router_window(1)->close();
    QVERIFY(w_->router_window(1)->isVisible());
  }

  void routers_start_tiled_side_by_side() {
    start("default.ini");
    const QRect a = w_->router_window(1)->geometry();
    const QRect b = w_->router_window(2)->geometry();
    QCOMPARE(a.top(), b.top());
    QCOMPARE(a.height(), b.height());
    QVERIFY(a.right() < b.left());
  }

  void f2_switches_consoles_and_keeps_the_typed_line() {
    start("default.ini");
    w_->activate_router(1);
    QTest::keyClicks(w_->document(1)->txtin(), QStringLiteral("sh"));
    QTest::keyClick(w_->document(1)->txtin(), Qt::Key_F2);
    QCOMPARE(w_->mdi_area()->activeSubWindow(), w_->router_window(2));
    QVERIFY(w_->router_window(2)->isMaximized());
    QCOMPARE(w_->sim().active_router, 2);
    QTest::keyClicks(w_->document(2)->txtin(), QStringLiteral("ow"));
    QCOMPARE(input(2), QStringLiteral("Router>show"));
  }

  void a_function_key_past_the_last_router_does_nothing() {
    start("topologies/two_routers.ini");
    w_->activate_router(1);
    QTest::keyClick(w_->document(1)->txtin(), Qt::Key_F3);
    QCOMPARE(w_->mdi_area()->activeSubWindow(), w_->router_window(1));
    QCOMPARE(w_->sim().active_router, 1);
  }

  void router_button_activates_and_maximises() {
    start("default.ini");
    w_->button("Router3")->trigger();
    QCOMPARE(w_->mdi_area()->activeSubWindow(), w_->router_window(3));
    QVERIFY(w_->router_window(3)->isMaximized());
  }

  void lab_navigator_cancel_leaves_the_page() {
    start("default.ini");
    w_->lab_navigator()->navigate_to_address(QStringLiteral("lab02_interfaces.htm"));
    const QUrl before = lab_page();
    QVERIFY(before.toLocalFile().endsWith(QStringLiteral("lab02_interfaces.htm")));
    boxes_.queue(Answer::Cancel);
    w_->button("LabNavigator")->trigger();
    QCOMPARE(lab_page(), before);
    QCOMPARE(boxes_.boxes.size(), std::size_t{1});
    QCOMPARE(boxes_.boxes[0].title, std::string("Reset current lab"));
    QCOMPARE(boxes_.boxes[0].text, std::string("Are you sure you would like to start a new lab?"));
    QCOMPARE(boxes_.boxes[0].buttons, Buttons::OkCancel);
  }

  void lab_navigator_ok_starts_over_maximised() {
    start("default.ini");
    w_->lab_navigator()->navigate_to_address(QStringLiteral("lab03_static.htm"));
    boxes_.queue(Answer::Ok);
    w_->command("mnuLabNavigator")->trigger();
    QVERIFY(lab_page().toLocalFile().endsWith(QStringLiteral("labs/ccna_home.htm")));
    QVERIFY(w_->browser_window(w_->lab_navigator())->isMaximized());
  }

  void current_lab_keeps_the_page() {
    start("default.ini");
    w_->lab_navigator()->navigate_to_address(QStringLiteral("lab04_rip.htm"));
    w_->activate_router(2);
    w_->button("CurrentLab")->trigger();
    QCOMPARE(w_->mdi_area()->activeSubWindow(), w_->browser_window(w_->lab_navigator()));
    QVERIFY(lab_page().toLocalFile().endsWith(QStringLiteral("lab04_rip.htm")));
    QVERIFY(boxes_.boxes.empty());
  }

  void topology_button_opens_the_topology_page() {
    start("default.ini");
    QVERIFY(w_->topology_browser() == nullptr);
    w_->button("Topology")->trigger();
    QVERIFY(w_->topology_browser() != nullptr);
    QVERIFY(w_->topology_browser()->page()->source().toLocalFile().endsWith(
        QStringLiteral("labs/topology.htm")));
    QCOMPARE(w_->topology_browser()->windowTitle(), QStringLiteral("Topology"));
    frmTopologyBrowser* first = w_->topology_browser();
    w_->button("Topology")->trigger();
    QCOMPARE(w_->topology_browser(), first);  // made once, kept for later opens
  }

  void file_exit_cancel_keeps_every_router() {
    start("default.ini");
    QTest::keyClicks(w_->document(1)->txtin(), QStringLiteral("sh"));
    const std::string transcript = w_->sim().router(1)->console.transcript();
    boxes_.queue(Answer::Cancel);
    w_->command("mnuFileExit")->trigger();
    QVERIFY(w_->isVisible());
    QCOMPARE(boxes_.boxes.back().title, std::string("Exit"));
    QCOMPARE(boxes_.boxes.back().text, std::string("Are you sure?"));
    QCOMPARE(w_->sim().number_of_routers, Int16{3});
    QCOMPARE(w_->sim().router(1)->console.transcript(), transcript);
    QCOMPARE(input(1), QStringLiteral("Router>sh"));
  }

  void file_exit_ok_closes_and_saves_the_placement() {
    start("default.ini");
    w_->move(40, 30);
    w_->resize(900, 640);
    boxes_.queue(Answer::Ok);
    w_->command("mnuFileExit")->trigger();
    QVERIFY(!w_->isVisible());
    const std::optional<Placement> p = read_placement();
    QVERIFY(p.has_value());
    QCOMPARE(p->width, 900);
    QCOMPARE(p->height, 640);
  }

  void help_commands_say_there_is_no_help_file() {
    start("default.ini");
    w_->command("mnuHelpContents")->trigger();
    w_->command("mnuHelpSearch")->trigger();
    QCOMPARE(boxes_.boxes.size(), std::size_t{2});
    QCOMPARE(boxes_.boxes[0].text, std::string("Unable to display Help Contents. There is no Help "
                                               "associated with this project."));
    QCOMPARE(
        boxes_.boxes[1].text,
        std::string("Unable to display Help Contents. A help file is currently in production."));
  }

  void create_topology_without_the_program_says_so() {
    start("default.ini");
    if (!drawing_program_path(w_->sim().app_path).empty()) QSKIP("a drawing program is installed");
    w_->command("mnuCreateTopology")->trigger();
    QCOMPARE(boxes_.boxes.size(), std::size_t{1});
    QCOMPARE(boxes_.boxes[0].text, std::string("Cannot find the Program.  Make sure it is in the "
                                               "same directory as your simulator."));
  }

  void toolbar_and_status_bar_can_be_hidden() {
    start("default.ini");
    QAction* toolbar = w_->command("mnuViewToolbar");
    QVERIFY(toolbar->isChecked());
    toolbar->trigger();
    QVERIFY(!toolbar->isChecked());
    QVERIFY(!w_->toolbar()->isVisible());
    toolbar->trigger();
    QVERIFY(w_->toolbar()->isVisible());
  }

  void tiling_horizontally_stacks_the_windows() {
    start("topologies/two_routers.ini");
    w_->browser_window(w_->lab_navigator())->showMinimized();
    w_->button("Horizontal")->trigger();
    const QRect a = w_->router_window(1)->geometry();
    const QRect b = w_->router_window(2)->geometry();
    QCOMPARE(a.left(), b.left());
    QVERIFY(a.bottom() < b.top());
  }

  void the_clock_waits_while_the_core_is_busy() {
    start("default.ini");
    const SimMillis before = w_->sim().scheduler.now();
    SimMillis during = -1;
    w_->host().set_activate_function([&](int) {
      fake_ms_ = 5000;
      w_->session().advance_real_time();  // a tick inside a core call, as in a nested event loop
      during = w_->sim().scheduler.now();
    });
    const qint64 skipped = w_->session().skipped_ticks();
    w_->session().function_key(2);
    QCOMPARE(during, before);
    QCOMPARE(w_->session().skipped_ticks(), skipped + 1);
    w_->session().advance_real_time();  // the next free tick hands the time over
    QCOMPARE(w_->sim().scheduler.now(), before + 5000);
    QCOMPARE(w_->sim().sim_clock, 5);
  }

  void one_tick_runs_at_most_a_minute() {
    start("default.ini");
    fake_ms_ = 10 * 60 * 1000;
    w_->session().advance_real_time();
    QCOMPARE(w_->sim().scheduler.now(), SimMillis{CoreSession::kLongestStepMs});
  }

  void paste_types_the_lines() {
    start("default.ini");
    w_->type_text(1, QStringLiteral("\nshow\r\n"));
    QVERIFY(w_->document(1)->transcript_text().contains(QStringLiteral("\nRouter>show")));
    QCOMPARE(input(1), QStringLiteral("Router>"));
  }
};

ZORVA_UI_TEST(MainWindowTest)
#include "main_window_test.moc"
