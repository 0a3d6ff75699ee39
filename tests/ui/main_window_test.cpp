// The main window: start-up on a chosen topology, the router toolbar, switching consoles with the
// function keys, the main commands, their dialogs and questions, the Window menu, and closing.
#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "simulation/simulation.h"
#include "ui/app_settings.h"
#include "ui/console_input.h"
#include "ui/core_session.h"
#include "ui/frm_browser.h"
#include "ui/frm_choose_topo.h"
#include "ui/frm_document.h"
#include "ui/frm_main.h"
#include "ui/frm_splash.h"
#include "ui/frm_tip.h"
#include "ui/frm_topology_browser.h"
#include "ui_test_support.h"

using namespace zorva;
using namespace zorva::ui;
using namespace zorva::ui_test;

class MainWindowTest : public QObject, MainWindowRig {
  Q_OBJECT

 private:
  QString input(int n) const { return w_->document(n)->txtin()->text(); }
  QUrl lab_page() const { return w_->lab_navigator()->page()->source(); }
  QString status_text() const {
    return w_->statusBar()->findChild<QLabel*>(QStringLiteral("statusRouter"))->text();
  }
  QMdiSubWindow* active() const { return w_->mdi_area()->activeSubWindow(); }
  // `page` is shown in front, and no console stands under it or under another console.
  void verify_beside(QMdiSubWindow* page) const {
    QVERIFY(page->isVisible() && !page->isMaximized());
    for (int n = 1; n <= w_->sim().number_of_routers; ++n) {
      const QRect r = w_->router_window(n)->geometry();
      QVERIFY2(!r.intersects(page->geometry()), qPrintable(QStringLiteral("Router %1").arg(n)));
      for (int k = n + 1; k <= w_->sim().number_of_routers; ++k)
        QVERIFY(!r.intersects(w_->router_window(k)->geometry()));
    }
  }

 private slots:
  void cleanup() { w_.reset(); }

  void start_up_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("routers");
    QTest::newRow("default") << "default.ini" << 3;
    QTest::newRow("two routers") << "topologies/two_routers.ini" << 2;
    QTest::newRow("fifty routers") << "topologies/ring50.ini" << 50;
    QTest::newRow("missing file") << "no_such_topology.ini" << 0;
  }

  void start_up() {
    QFETCH(QString, file);
    QFETCH(int, routers);
    start(file);
    QCOMPARE(w_->sim().number_of_routers, Int16(routers));
    QCOMPARE(w_->mdi_area()->subWindowList().size(), routers + 1);  // and the Lab Navigator
    for (int n = 1; n <= routers; ++n)
      QCOMPARE(w_->router_window(n)->windowTitle(), QStringLiteral("Router %1").arg(n));
    QVERIFY(w_->router_window(routers + 1) == nullptr);
    for (int n = 1; n <= 7; ++n)  // seven buttons; the first stays even without routers
      QCOMPARE(w_->button(QStringLiteral("Router%1").arg(n))->isVisible(),
               n <= std::max(routers, 1));
    QCOMPARE(w_->windowTitle(), QStringLiteral("Kolvo Router Simulator ") +
                                    QString::fromStdString(w_->sim().version_text));
    QVERIFY(lab_page().toLocalFile().endsWith(QStringLiteral("labs/ccna_home.htm")));
    QVERIFY(w_->browser_window(w_->lab_navigator())->isVisible());
    QCOMPARE(w_->sim().active_router, 1);
    // A start without routers says why in one box; a good start shows none.
    QCOMPARE(boxes_.boxes.size(), std::size_t(routers == 0 ? 1 : 0));
    if (routers == 0) {
      QVERIFY(boxes_.boxes[0].text.starts_with("The topology gives no routers: the file "));
      QVERIFY(boxes_.boxes[0].text.ends_with("no_such_topology.ini does not exist."));
    }
    if (routers == 0) return;
    // Typing at once goes to Router 1, and the status bar says so.
    QCOMPARE(active(), w_->router_window(1));
    QCOMPARE(w_->focusWidget(), static_cast<QWidget*>(w_->document(1)->txtin()));
    QVERIFY(QTest::qWaitForWindowActive(w_.get()));
    QTRY_VERIFY(status_text().startsWith(QStringLiteral("Typing into Router 1 of ")));
    w_->lab_navigator()->page()->setFocus();  // the keyboard elsewhere: the status says so
    QTRY_VERIFY(status_text().startsWith(QStringLiteral("Not typing into a router")));
    // Every router of the topology is in the Routers menu, past F12 too.
    for (int n = 1; n <= routers; ++n)
      QVERIFY(w_->command(QStringLiteral("mnuRouter%1").arg(n))->isVisible());
    if (routers > 12) {
      w_->command(QStringLiteral("mnuRouter%1").arg(routers))->trigger();
      QCOMPARE(w_->sim().active_router, routers);
      QCOMPARE(active(), w_->router_window(routers));
    }
  }

  // At start the consoles stand in rows at the left, each wide enough for a report's 80 columns,
  // and the Lab Navigator has the column beside them: nothing covers anything. Tiling keeps the
  // navigator's column; without the navigator the consoles take the whole frame.
  void routers_start_beside_the_lab_and_cannot_be_closed() {
    write_placement({0, 0, 1280, 800});
    start("default.ini");
    QMdiSubWindow* nav = w_->browser_window(w_->lab_navigator());
    verify_beside(nav);
    const QRect area = w_->mdi_area()->viewport()->rect();
    QCOMPARE(nav->geometry().right(), area.right());
    const int report = QFontMetrics(w_->document(1)->txtout()->font())
                           .horizontalAdvance(QString(80, QLatin1Char('M')));
    for (int n = 1; n <= 3; ++n) {
      QCOMPARE(w_->router_window(n)->geometry().left(), 0);
      QVERIFY(w_->document(n)->txtout()->viewport()->width() > report);
    }
    w_->button("Vertical")->trigger();
    verify_beside(nav);
    QRect a = w_->router_window(1)->geometry(), b = w_->router_window(2)->geometry();
    QVERIFY(a.top() == b.top() && a.height() == b.height() && a.right() < b.left());
    nav->showMinimized();
    w_->button("Horizontal")->trigger();
    a = w_->router_window(1)->geometry();
    b = w_->router_window(2)->geometry();
    QVERIFY(a.left() == b.left() && a.bottom() < b.top() && a.width() == area.width());
    const Qt::WindowFlags f = w_->router_window(1)->windowFlags();
    QVERIFY(!(f & Qt::WindowCloseButtonHint) && !(f & Qt::WindowSystemMenuHint));
    w_->router_window(1)->close();
    QVERIFY(w_->router_window(1)->isVisible());
  }

  void f2_switches_consoles_and_keeps_the_typed_line() {
    start("default.ini");
    w_->activate_router(1);
    QTest::keyClicks(w_->document(1)->txtin(), QStringLiteral("sh"));
    QTest::keyClick(w_->document(1)->txtin(), Qt::Key_F2);
    QCOMPARE(active(), w_->router_window(2));
    QVERIFY(w_->router_window(2)->isMaximized());
    QCOMPARE(w_->sim().active_router, 2);
    QTest::keyClicks(w_->document(2)->txtin(), QStringLiteral("ow"));
    QCOMPARE(input(2), QStringLiteral("Router>show"));
    w_->button("Router3")->trigger();
    QCOMPARE(active(), w_->router_window(3));
    w_->type_text(3, QStringLiteral("\nshow\r\n"));  // a paste: CR LF is one Enter
    QVERIFY(w_->document(3)->transcript_text().contains(QStringLiteral("\nRouter>show")));
    QCOMPARE(input(3), QStringLiteral("Router>"));
  }

  // The input line shows the core's line and caret: editing keys and a Ctrl letter go to the core
  // (before any shortcut), a mouse click does not move the caret, and a line break split across
  // two appends shows as one.
  void the_console_shows_the_cores_line_and_caret() {
    start("default.ini");
    ConsoleInput* in = w_->document(1)->txtin();
    QTest::keyClicks(in, QStringLiteral("shxow"));
    for (const Qt::Key k : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Backspace}) QTest::keyClick(in, k);
    QCOMPARE(input(1), QStringLiteral("Router>show"));
    QCOMPARE(in->cursorPosition(), input(1).size() - 2);
    QTest::mouseClick(in, Qt::LeftButton, Qt::NoModifier, QPoint(2, 5));
    QCOMPARE(in->cursorPosition(), input(1).size() - 2);
    QVERIFY(!in->hasSelectedText());
    QKeyEvent ctrl_p(QEvent::ShortcutOverride, Qt::Key_P, Qt::ControlModifier, "\x10");
    QApplication::sendEvent(in, &ctrl_p);
    QVERIFY(ctrl_p.isAccepted());
    w_->sim().router(1)->console.append("split\r");
    w_->sim().router(1)->console.append("\nnext");
    QVERIFY(w_->document(1)->transcript_text().endsWith(QStringLiteral("\nsplit\nnext")));
  }

  void lab_buttons_return_to_the_lab_start_over_when_confirmed_or_open_the_topology() {
    start("default.ini");
    w_->lab_navigator()->navigate_to_address(QStringLiteral("lab02_interfaces.htm"));
    const QUrl lab = lab_page();
    QVERIFY(lab.toLocalFile().endsWith(QStringLiteral("lab02_interfaces.htm")));
    w_->activate_router(2);
    w_->button("CurrentLab")->trigger();  // back to the lab, no question asked
    QCOMPARE(active(), w_->browser_window(w_->lab_navigator()));
    QVERIFY(boxes_.boxes.empty());
    boxes_.queue(Answer::Cancel);
    w_->button("LabNavigator")->trigger();
    QCOMPARE(lab_page(), lab);
    QCOMPARE(boxes_.boxes.size(), std::size_t{1});
    QCOMPARE(boxes_.boxes[0].title, std::string("Reset current lab"));
    QCOMPARE(boxes_.boxes[0].text, std::string("Are you sure you would like to start a new lab?"));
    QCOMPARE(boxes_.boxes[0].buttons, Buttons::OkCancel);
    boxes_.queue(Answer::Ok);
    w_->command("mnuLabNavigator")->trigger();
    QVERIFY(lab_page().toLocalFile().endsWith(QStringLiteral("labs/ccna_home.htm")));
    verify_beside(w_->browser_window(w_->lab_navigator()));
    // The Topology button opens its page once, in the lab's column, not over the consoles.
    w_->button("Topology")->trigger();
    frmTopologyBrowser* first = w_->topology_browser();
    QVERIFY(first != nullptr);
    QVERIFY(first->page()->source().toLocalFile().endsWith(QStringLiteral("labs/topology.htm")));
    verify_beside(w_->browser_window(first));
    w_->activate_router(2);
    w_->button("Topology")->trigger();
    QCOMPARE(w_->topology_browser(), first);
    verify_beside(w_->browser_window(first));
  }

  void help_says_so_and_the_toolbar_toggles() {
    start("default.ini");
    w_->command("mnuHelpContents")->trigger();
    w_->command("mnuHelpSearch")->trigger();
    QCOMPARE(boxes_.boxes.size(), std::size_t{2});
    QCOMPARE(boxes_.boxes[0].text, std::string("Unable to display Help Contents. There is no Help "
                                               "associated with this project."));
    QCOMPARE(
        boxes_.boxes[1].text,
        std::string("Unable to display Help Contents. A help file is currently in production."));
    w_->command("mnuViewToolbar")->trigger();
    QVERIFY(!w_->toolbar()->isVisible());
    w_->command("mnuViewToolbar")->trigger();
    QVERIFY(w_->toolbar()->isVisible());
  }

  void menu_commands_open_their_dialogs_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("dialog");
    // Creating a topology opens our own editor, in place of an outside program.
    const char* rows[][2] = {{"mnuViewOptions", "zorva::ui::frmOptions"},
                             {"mnuHelpAbout", "zorva::ui::frmAbout"},
                             {"mnuCreateTopology", "zorva::ui::frmTopologyEditor"},
                             {"mnuFileOpenTopology", "QFileDialog"},
                             {"mnuFileOpenLab", "QFileDialog"},
                             {"mnuFileExportBundle", "QFileDialog"},
                             {"mnuFileStudent", "QInputDialog"},
                             {"mnuFileSaveAs", "QFileDialog"},
                             {"mnuFilePrint", "QPrintDialog"},
                             {"mnuFilePageSetup", "QPageSetupDialog"}};
    for (const auto& [command, dialog] : rows) QTest::newRow(command) << command << dialog;
  }

  // Each dialog is modal over the main window; given up, it leaves the lab as it was.
  void menu_commands_open_their_dialogs() {
    QFETCH(QString, command);
    QFETCH(QString, dialog);
    start("default.ini");
    w_->type_text(1, "\nenable\n");
    const std::string transcript = w_->sim().router(1)->console.transcript();
    QCOMPARE(through_modal([&] { w_->findChild<QAction*>(command)->trigger(); }), dialog);
    QCOMPARE(w_->sim().router(1)->console.transcript(), transcript);
    QCOMPARE(w_->sim().number_of_routers, Int16{3});
    QVERIFY(boxes_.boxes.empty());
  }

  // A transcript is saved as the console shows it; Select All and Copy take it to the clipboard,
  // and Paste as Typing types the clipboard into the console.
  void file_and_edit_commands_act_on_the_active_console() {
    start("default.ini");
    w_->type_text(2, "\nenable\n");
    w_->activate_router(2);
    w_->command("mnuEditSelectAll")->trigger();
    w_->command("mnuEditCopy")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), w_->document(2)->transcript_text());
    QGuiApplication::clipboard()->setText(QStringLiteral("show clock\r\n"));
    w_->command("mnuEditPaste")->trigger();
    const QString shown = w_->document(2)->transcript_text();
    QVERIFY(shown.contains(QStringLiteral("\nRouter#show clock\n")));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("router2.txt"));
    through_modal([&] { w_->command("mnuFileSaveAs")->trigger(); },
                  [&](QWidget* d) {
                    auto* f = qobject_cast<QFileDialog*>(d);
                    f->selectFile(file);
                    static_cast<QDialog*>(f)->accept();
                  });
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(saved.readAll()), shown);  // which ends with its line break
  }

  // The View menu's pages open in the Lab Navigator; the Window menu lists the windows shown, and
  // its commands cascade them and line up icons.
  void window_menu_lists_and_arranges_the_windows() {
    start("default.ini");
    w_->command("mnuViewWebBrowser")->trigger();
    QVERIFY(lab_page().toLocalFile().endsWith(QStringLiteral("labs/training.htm")));
    w_->command("mnuViewHomePage")->trigger();
    QVERIFY(lab_page().toLocalFile().endsWith(QStringLiteral("labs/kolvo.htm")));
    verify_beside(w_->browser_window(w_->lab_navigator()));
    QMenu* menu = nullptr;
    for (QAction* a : w_->menuBar()->actions())
      if (a->text() == QStringLiteral("&Window")) menu = a->menu();
    QVERIFY(menu);
    emit menu->aboutToShow();
    QStringList listed;
    for (QAction* a : menu->actions())
      if (a->isCheckable()) listed << a->text();
    QCOMPARE(listed,
             QStringList({"&1 Router 1", "&2 Router 2", "&3 Router 3", "&4 Lab Navigator"}));
    for (QAction* a : menu->actions())
      if (a->text() == QStringLiteral("&3 Router 3")) a->trigger();
    QCOMPARE(active(), w_->router_window(3));
    w_->command("mnuWindowCascade")->trigger();
    QCOMPARE(w_->router_window(2)->pos() - w_->router_window(1)->pos(), QPoint(26, 26));
    for (int n = 1; n <= 3; ++n) w_->router_window(n)->showMinimized();
    w_->command("mnuWindowArrange")->trigger();
    const QRect area = w_->mdi_area()->viewport()->rect();
    QCOMPARE(w_->router_window(1)->geometry().bottomLeft(), QPoint(0, area.bottom()));
  }

  // Without a topology named, start-up shows the splash, then asks for the topology; the tip of the
  // day follows, and Help's Tip of the Day brings the same window forward.
  void a_plain_start_asks_for_the_topology_and_shows_the_tip() {
    write_show_tips(1);
    StartOptions o = quiet_start(QString());
    o.show_splash = o.show_tips = true;
    w_ = std::make_unique<frmMain>(o);
    boxes_.attach(w_->host());
    const QString asked = through_modal(
        [&] { w_->start_up(); },
        [](QWidget* d) {
          qobject_cast<frmChooseTopo*>(d)->pick_button()->click();  // the default topology
        });
    QCOMPARE(asked, QStringLiteral("zorva::ui::frmChooseTopo"));
    QCOMPARE(w_->sim().number_of_routers, Int16{3});
    for (QWidget* top : QApplication::topLevelWidgets())
      QVERIFY(!qobject_cast<frmSplash*>(top) || !top->isVisible());
    frmTip* tip = w_->findChild<frmTip*>();
    QVERIFY(tip && tip->isVisible());
    w_->command("mnuHelpTip")->trigger();
    QCOMPARE(w_->findChildren<frmTip*>().size(), 1);
  }

  void the_clock_waits_while_the_core_is_busy_and_runs_at_most_a_minute_a_tick() {
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
    fake_ms_ += 10 * 60 * 1000;
    w_->session().advance_real_time();
    QCOMPARE(w_->sim().scheduler.now(), before + 5000 + CoreSession::kLongestStepMs);
  }
};

ZORVA_UI_TEST(MainWindowTest)
#include "main_window_test.moc"
