// The topology as a whole: files saved by the editor read back the same for every shipped
// topology, the editor's limits and their messages, opening another topology without a restart
// (nothing of the old one left), the Topology page of the loaded topology, and the clock controls.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "base/scripted_host.h"
#include "simulation/simulation.h"
#include "ui/core_session.h"
#include "ui/frm_diagram.h"
#include "ui/frm_document.h"
#include "ui/frm_main.h"
#include "ui/frm_topology_browser.h"
#include "ui/frm_topology_editor.h"
#include "ui/topology_document.h"
#include "ui/topology_edit.h"
#include "ui_test_support.h"

using namespace zorva;
using namespace zorva::ui;
using namespace zorva::ui_test;

namespace {

// What the simulation makes of a topology file: each router's interfaces, and where each
// interface's frames arrive.
QStringList loaded(const QString& file) {
  ScriptedHost host;
  Simulation sim(host, SimulationPaths{bin_dir().toStdString(), {}});
  sim.start(file.toStdString());
  QStringList out;
  for (int n = 1; n <= sim.router_count; ++n) {
    const RouterRecord& r = sim.router(n)->record;
    for (int i = 1; i <= r.interface_count; ++i) {
      const CableEnd& far = sim.network.far_end(n, i);
      out << QStringLiteral("%1 %2 -> %3.%4")
                 .arg(n)
                 .arg(QString::fromStdString(r.interfaces[static_cast<std::size_t>(i)].name))
                 .arg(far.router)
                 .arg(far.interface);
    }
  }
  return out;
}

}  // namespace

class TopologyToolsTest : public QObject, MainWindowRig {
  Q_OBJECT

 private slots:
  void cleanup() { w_.reset(); }

  void saved_files_read_back_the_same_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("default") << "default.ini";
    QTest::newRow("two routers") << "topologies/two_routers.ini";
    QTest::newRow("square") << "topologies/square.ini";
    QTest::newRow("ring of fifty") << "topologies/ring50.ini";
  }

  void saved_files_read_back_the_same() {
    QFETCH(QString, file);
    const QString original = topology(qPrintable(file));
    const TopologyDocument doc = read_topology_document(original);
    QVERIFY(!doc.routers.empty());
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("saved.ini"));
    QString error;
    QVERIFY2(save_topology_document(doc, copy, &error), qPrintable(error));
    QCOMPARE(read_topology_document(copy), doc);
    QCOMPARE(loaded(copy), loaded(original));
    // Through the editor: opened and saved unchanged.
    ScriptedHost host;
    frmTopologyEditor editor(host, dir.path());
    editor.open_file(original);
    const QString again = dir.filePath(QStringLiteral("again.ini"));
    QVERIFY(editor.save_to(again));
    QCOMPARE(loaded(again), loaded(original));
  }

  void positions_are_written_without_disturbing_the_rest() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.ini"));
    {
      QFile f(file);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(
          "; my lab\r\n[GENERAL]\r\nnumberofrouters=2\r\nnumberofconnectors=0\r\n"
          "[router1]\r\nSerial=1\r\nX=5\r\n\r\n[ROUTER2]\r\nEthernet=1\r\n");
    }
    QVERIFY(save_router_positions(
        file, {{1, QPointF(10.4, -20)}, {2, QPointF(3, 4)}, {3, QPointF(7, 8)}}, nullptr));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("; my lab\r\n[GENERAL]\r\nnumberofrouters=2\r\n"
                                     "numberofconnectors=0\r\n[router1]\r\nSerial=1\r\nx=10\r\n"
                                     "y=-20\r\n\r\n[ROUTER2]\r\nEthernet=1\r\nx=3\r\ny=4\r\n\r\n"
                                     "[ROUTER3]\r\nx=7\r\ny=8\r\n"));
    const TopologyDocument d = read_topology_document(file);
    QCOMPARE(d.routers.size(), std::size_t{2});
    QCOMPARE(*d.routers[0].position, QPointF(10, -20));
  }

  void the_editor_enforces_the_limits() {
    TopologyEdit e;
    QCOMPARE(e.add_router(26, 25, 0), QStringLiteral("A router has at most 50 interfaces in all; "
                                                     "this one would have 51."));
    for (int i = 0; i < 10; ++i) QCOMPARE(e.add_router(45, 1, 0), QString());
    // Each interface once; only like to like; never a router to itself.
    QCOMPARE(e.add_cable(1, "Serial0", 2, "Serial0"), QString());
    QCOMPARE(e.add_cable(1, "Serial0", 3, "Serial0"),
             QStringLiteral("Router1 Serial0 is already cabled."));
    QCOMPARE(e.add_cable(3, "Serial0", 2, "Serial0"),
             QStringLiteral("Router2 Serial0 is already cabled."));
    QCOMPARE(e.add_cable(1, "Serial1", 2, "Ethernet0"),
             QStringLiteral("A cable joins two interfaces of the same kind: Serial1 is serial, "
                            "Ethernet0 is ethernet."));
    QCOMPARE(e.add_cable(1, "Serial1", 1, "Serial2"),
             QStringLiteral("A cable joins two different routers; both ends are on Router1."));
    QCOMPARE(e.add_cable(1, "Serial45", 2, "Serial1"),
             QStringLiteral("Router1 has no interface Serial45."));
    QVERIFY(!e.free_interfaces(1).contains("Serial0"));
    // 200 cables at most.
    for (int n = 1, guard = 0; e.cable_count() < 200 && guard < 1000; n = n % 5 + 1, ++guard) {
      const QStringList a = e.free_interfaces(n).filter(QStringLiteral("Serial"));
      const QStringList b = e.free_interfaces(n + 5).filter(QStringLiteral("Serial"));
      if (a.isEmpty() || b.isEmpty()) continue;
      QCOMPARE(e.add_cable(n, a.first(), n + 5, b.first()), QString());
    }
    QCOMPARE(e.cable_count(), 200);
    QCOMPARE(e.add_cable(9, "Ethernet0", 10, "Ethernet0"),
             QStringLiteral("A topology holds at most 200 cables."));
    // 50 routers at most.
    while (e.router_count() < 50) QCOMPARE(e.add_router(1, 0, 0), QString());
    QCOMPARE(e.add_router(1, 0, 0), QStringLiteral("A topology holds at most 50 routers."));
  }

  void removing_a_router_renumbers_the_cables() {
    TopologyEdit e;
    for (int i = 0; i < 3; ++i) e.add_router(2, 1, 0);
    QCOMPARE(e.add_cable(1, "Serial0", 2, "Serial0"), QString());
    QCOMPARE(e.add_cable(2, "Serial1", 3, "Serial0"), QString());
    QCOMPARE(e.add_cable(1, "Ethernet0", 3, "Ethernet0"), QString());
    QCOMPARE(e.remove_router(2), QString());
    QCOMPARE(e.router_count(), 2);
    QCOMPARE(e.cable_count(), 1);
    const TopologyCable& c = e.document().cables[0];
    QCOMPARE(c.dev2name, QStringLiteral("Router2"));  // Router3 moved up
    QCOMPARE(c.type, QStringLiteral("ethernet"));
    QCOMPARE(e.remove_cable(2), QStringLiteral("There is no cable 2."));
  }

  void the_editor_dialog_shows_refusals_and_offers_to_open() {
    ScriptedHost host;
    QTemporaryDir dir;
    frmTopologyEditor editor(host, dir.path());
    editor.serial_count()->setValue(1);
    editor.ethernet_count()->setValue(0);
    for (int i = 0; i < 2; ++i)
      editor.findChild<QPushButton*>(QStringLiteral("btnAddRouter"))->click();
    QCOMPARE(editor.router_list()->count(), 2);
    editor.end(1, false)->setCurrentIndex(1);
    QCOMPARE(editor.end(0, true)->currentText(), QStringLiteral("Serial0"));
    auto* add_cable = editor.findChild<QPushButton*>(QStringLiteral("btnAddCable"));
    add_cable->click();
    QCOMPARE(editor.cable_list()->count(), 1);
    QCOMPARE(editor.end(0, true)->count(), 0);  // no free interface left on either router
    add_cable->click();
    QCOMPARE(editor.message(), QStringLiteral("Choose a free interface at each end first."));
    editor.serial_count()->setValue(50);
    editor.ethernet_count()->setValue(1);
    editor.findChild<QPushButton*>(QStringLiteral("btnAddRouter"))->click();
    QCOMPARE(editor.message(),
             QStringLiteral("A router has at most 50 interfaces in all; this one would have 51."));
    QCOMPARE(editor.router_list()->count(), 2);

    QSignalSpy opened(&editor, &frmTopologyEditor::open_topology);
    host.queue_answer(Answer::Ok);
    const QString file = dir.filePath(QStringLiteral("mine.ini"));
    QVERIFY(editor.save_to(file));
    QCOMPARE(host.boxes.back().title, std::string("Create Topology"));
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][0].toString(), file);
    QCOMPARE(loaded(file), QStringList({"1 Serial0 -> 2.1", "2 Serial0 -> 1.1"}));
  }

  void opening_another_topology_leaves_nothing_of_the_first() {
    start(topology("topologies/ring50.ini"));
    w_->show_diagram();
    w_->show_topology();  // the page of the topology loaded, not the shipped one of the default
    QVERIFY(w_->topology_browser()->page()->toPlainText().contains(
        QStringLiteral("ring50.ini: 50 routers, ")));
    QCOMPARE(w_->topology_browser()->windowTitle(), QStringLiteral("Topology"));
    QPointer<QMdiSubWindow> old_console = w_->router_window(50);
    QPointer<frmDiagram> old_diagram = w_->diagram();
    QVERIFY(w_->command("mnuRouter50"));
    // Over a changed lab, the offer to save it first answered Cancel: nothing changes.
    w_->type_text(1, "\n");
    QVERIFY(!w_->open_topology_file(topology("topologies/square.ini")));
    QCOMPARE(boxes_.boxes.back().buttons, Buttons::YesNoCancel);
    QCOMPARE(w_->sim().router_count, 50);
    QVERIFY(old_console);

    boxes_.queue(Answer::No);
    QVERIFY(w_->open_topology_file(topology("topologies/square.ini")));
    QVERIFY(!old_console);
    QVERIFY(!old_diagram);
    QVERIFY(!w_->diagram());
    QVERIFY(!w_->command("mnuRouter50"));
    QCOMPARE(w_->sim().router_count, 4);
    QVERIFY(w_->sim().topology_file.ends_with("square.ini"));
    int consoles = 0;
    for (QMdiSubWindow* s : w_->mdi_area()->subWindowList()) {
      if (qobject_cast<frmDocument*>(s->widget())) ++consoles;
    }
    QCOMPARE(consoles, 4);
    QVERIFY(w_->router_window(5) == nullptr);
    QCOMPARE(w_->mdi_area()->activeSubWindow(), w_->router_window(1));
    // The new network runs: a command typed into router 4 works on the new router.
    w_->type_text(4, "\nenable\nconfigure terminal\nhostname Four\nend\n");
    QCOMPARE(w_->sim().router(4)->record.hostname, std::string("Four"));
    // The Topology page that was open now describes the square.
    const QString page = w_->topology_browser()->page()->toPlainText();
    QVERIFY2(page.contains(QStringLiteral("square.ini: 4 routers, 4 cables")), qPrintable(page));
    QVERIFY(page.contains(QStringLiteral("Serial0 to Router 2 Serial1")));
    QVERIFY(!page.contains(QStringLiteral("Router 50")));
    w_->show_diagram();
    QCOMPARE(static_cast<int>(w_->diagram()->nodes().size()), 4);
  }

  void the_clock_runs_at_the_chosen_speed_and_skips() {
    start(topology("default.ini"));
    auto* speed = w_->statusBar()->findChild<QComboBox*>(QStringLiteral("clockSpeed"));
    QVERIFY(speed);
    QCOMPARE(speed->currentText(), QStringLiteral("1x"));
    const SimMillis before = w_->sim().scheduler.now();
    speed->setCurrentIndex(speed->findText(QStringLiteral("60x")));
    fake_ms_ += 1000;
    w_->session().advance_real_time();
    QCOMPARE(w_->sim().scheduler.now(), before + 60000);
    auto* skip = w_->statusBar()->findChild<QToolButton*>(QStringLiteral("clockSkip"));
    QVERIFY(skip);
    const int clock = w_->sim().sim_clock;
    skip->menu()->findChild<QAction*>(QStringLiteral("clockSkip5"))->trigger();
    QCOMPARE(w_->sim().sim_clock, clock + 300);
    bool shown = false;
    for (QLabel* l : w_->statusBar()->findChildren<QLabel*>())
      shown = shown || l->text().contains(QStringLiteral("00:06:00"));
    QVERIFY(shown);
  }
};

ZORVA_UI_TEST(TopologyToolsTest)
#include "topology_tools_test.moc"
