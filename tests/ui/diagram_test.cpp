// The network diagram on the desktop, drawn from the core's model (which tests/simulation checks
// against the topologies): a cable end changes colour in the same tick its line changes state (and
// nothing else is repainted), a host name reaches its node, dragged positions are kept in the
// topology file without making it unreadable, and a double-click opens the router's console.
#include <QGraphicsScene>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

#include "simulation/network_diagram.h"
#include "simulation/simulation.h"
#include "ui/core_session.h"
#include "ui/diagram_items.h"
#include "ui/frm_diagram.h"
#include "ui/frm_document.h"
#include "ui/frm_main.h"
#include "ui/topology_document.h"
#include "ui_test_support.h"

using namespace zorva;
using namespace zorva::ui;
using namespace zorva::ui_test;

class DiagramTest : public QObject, MainWindowRig {
  Q_OBJECT

 private:
  // The tests run the clock themselves.
  void start(const QString& file) {
    MainWindowRig::start(file);
    w_->session().set_real_time(false);
  }
  void type(int n, const QString& text) { w_->type_text(n, text); }
  // The diagram of `file`, shown at 800x600.
  DiagramView* shown_at_800x600(const QString& file) {
    start(file);
    w_->show_diagram();
    w_->diagram_window()->resize(800, 600);
    return w_->diagram()->view();
  }
  CableItem* cable_between(int a, int b) {
    for (CableItem* c : w_->diagram()->cables()) {
      const int x = c->node(0)->number();
      const int y = c->node(1)->number();
      if ((x == a && y == b) || (x == b && y == a)) return c;
    }
    return nullptr;
  }

 private slots:
  void cleanup() { w_.reset(); }

  // Router 1 Serial0 to Router 2 Serial0 is brought up; then Router 2 shuts its end. Its dot turns
  // grey as soon as the command is in, and Router 1's turns red in the very tick in which Router 1
  // declares the line down. Each repaint touches only the ends that changed; a host name, only its
  // node.
  void a_cable_end_follows_its_line_within_one_tick_and_a_node_its_host_name() {
    start(topology("default.ini"));
    w_->show_diagram();
    frmDiagram* d = w_->diagram();
    for (int n : {1, 2})
      type(n, QStringLiteral("\nenable\nconfigure terminal\ninterface serial0\n"
                             "ip address 10.1.1.%1 255.255.255.0\nno shutdown\nend\n")
                  .arg(n));
    w_->session().run_for(30000);
    CableItem* c = cable_between(1, 2);
    QVERIFY(c);
    const int end1 = c->node(0)->number() == 1 ? 0 : 1;
    const int end2 = 1 - end1;
    QCOMPARE(c->state(end1), CableEndState::Up);
    QCOMPARE(c->end_colour_shown(end1), end_colour(CableEndState::Up));
    QCOMPARE(c->end_colour_shown(end2), end_colour(CableEndState::Up));
    QCOMPARE(d->refresh_states(), 0);  // nothing changed, nothing repainted
    // Hovering tells the addresses as they are now.
    QVERIFY2(
        d->node(1)->summary().contains(QStringLiteral("Serial0 10.1.1.1/24 - line protocol up")),
        qPrintable(d->node(1)->summary()));
    QVERIFY(d->node(1)->summary().contains(QStringLiteral("Ethernet0 no address")));
    QCOMPARE(c->end_summary(end2),
             QStringLiteral("Router 2 Serial0 10.1.1.2/24 - line protocol up"));

    type(2, "configure terminal\ninterface serial0\nshutdown\nend\n");
    QCOMPARE(c->end_colour_shown(end2), end_colour(CableEndState::AdminDown));
    const InterfaceEntry& s0 = w_->sim().router(1)->record.interfaces[1];
    int ticks = 0;
    while (s0.line_protocol == LinkState::Up && ticks < 20) {
      QCOMPARE(c->end_colour_shown(end1), end_colour(CableEndState::Up));
      w_->session().run_for(2000);  // one layer-2 tick
      ++ticks;
    }
    QVERIFY(ticks < 20);
    QCOMPARE(c->end_colour_shown(end1), end_colour(CableEndState::Down));
    QCOMPARE(d->refresh_states(), 0);
    // The other cables never changed and were not touched.
    for (CableItem* other : d->cables())
      if (other != c) QCOMPARE(other->end_colour_shown(0), end_colour(CableEndState::AdminDown));
    // A new host name reaches its node alone.
    type(3, "\nenable\nconfigure terminal\nhostname Edge\nend\n");
    QCOMPARE(d->node(3)->label(), QStringLiteral("Edge"));
    QCOMPARE(d->node(2)->label(), QStringLiteral("Router"));
  }

  void a_dragged_router_stays_where_it_was_put() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("square.ini"));
    QVERIFY(QFile::copy(topology("topologies/square.ini"), file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    const TopologyDocument before = read_topology_document(file);
    DiagramView* v = shown_at_800x600(file);
    frmDiagram* d = w_->diagram();
    RouterNode* n2 = d->node(2);
    const QPoint from = v->mapFromScene(n2->pos());
    const QPoint to = from + QPoint(40, 25);
    QTest::mousePress(v->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(v->viewport(), from + QPoint(20, 10));
    QTest::mouseMove(v->viewport(), to);
    QTest::mouseRelease(v->viewport(), Qt::LeftButton, {}, to);
    QVERIFY(n2->pos() != v->mapToScene(from));
    const QPointF kept = n2->pos();
    QCOMPARE(d->model().routers[1].position, (DiagramPoint{kept.x(), kept.y()}));

    // The file has the position, and reads for the simulation exactly as before.
    TopologyDocument after = read_topology_document(file);
    QVERIFY(after.routers[1].position);
    QCOMPARE(after.routers[1].position->toPoint(), kept.toPoint());
    after.routers[1].position.reset();
    QCOMPARE(after, before);
    QVERIFY(d->message().startsWith(QStringLiteral("Positions kept")));

    // Drawn again (or on the next start), router 2 is where it was put, the others where the
    // layout puts them.
    const QPointF r1 = d->node(1)->pos();
    d->rebuild();
    QCOMPARE(d->node(2)->pos().toPoint(), kept.toPoint());
    QCOMPARE(d->node(1)->pos(), r1);
    // Automatic Layout puts it back and keeps all four.
    d->lay_out_again();
    const TopologyDocument laid = read_topology_document(file);
    for (const TopologyRouter& r : laid.routers) QVERIFY(r.position);
  }

  void double_click_opens_the_console() {
    DiagramView* v = shown_at_800x600(topology("default.ini"));
    const QPoint at = v->mapFromScene(w_->diagram()->node(3)->pos());
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(w_->mdi_area()->activeSubWindow(), w_->router_window(3));
    QVERIFY(w_->router_window(3)->isMaximized());
  }

  void zoom_and_fit() {
    DiagramView* v = shown_at_800x600(topology("topologies/ring50.ini"));
    v->fit();
    const QRectF all = w_->diagram()->scene()->itemsBoundingRect();
    QVERIFY(v->mapToScene(v->viewport()->rect()).boundingRect().contains(all));
    const double fitted = v->transform().m11();
    QWheelEvent wheel(QPointF(100, 100), v->mapToGlobal(QPointF(100, 100)), {}, QPoint(0, 240),
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v->viewport(), &wheel);
    QVERIFY(v->transform().m11() > fitted * 1.2);
  }
};

ZORVA_UI_TEST(DiagramTest)
#include "diagram_test.moc"
