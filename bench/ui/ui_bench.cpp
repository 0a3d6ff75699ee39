// Timings of the desktop face, printed rather than asserted: start-up on the fifty-router topology
// up to the first console on screen, appending a line to a console that already holds 10 MB of
// transcript against appending it to an empty one, opening the network diagram of the fifty-router
// ring and polling it, and the share of a core the ring with RIP and OSPF takes at 60x.
//   make bench (after the core's benchmarks), or QT_QPA_PLATFORM=offscreen bin/zorva-ui-bench
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "console/key_handler.h"
#include "simulation/simulation.h"
#include "ui/core_session.h"
#include "ui/diagram_items.h"
#include "ui/frm_diagram.h"
#include "ui/frm_document.h"
#include "ui/frm_main.h"

using namespace zorva;
using namespace zorva::ui;

namespace {

const QString kBin = QStringLiteral(ZORVA_BIN_DIR "/");

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Milliseconds from constructing the main window to router 1's console painted on screen.
double start_up_ms(const QString& topology) {
  StartOptions o;
  o.app_dir = kBin;
  o.topology = topology;
  o.show_splash = false;
  o.show_tips = false;
  QElapsedTimer t;
  t.start();
  frmMain w(o);
  w.start_up();
  QApplication::processEvents();  // the first paint
  const double ms = static_cast<double>(t.nsecsElapsed()) / 1e6;
  if (!w.router_window(1) || !w.router_window(1)->isVisible())
    std::fputs("no console shown\n", stderr);
  return ms;
}

// Microseconds per appended line (with a repaint every line when `paint`) on router n's console.
double append_us(Router& r, int lines, bool paint) {
  const std::string line = "\r\nRouter#show ip interface brief";
  QElapsedTimer t;
  t.start();
  for (int i = 0; i < lines; ++i) {
    r.console.append(line);
    if (paint) QApplication::processEvents();
  }
  return static_cast<double>(t.nsecsElapsed()) / 1e3 / lines;
}

void transcript_bench() {
  CoreSession session(kBin.toStdString());
  session.set_clock([] { return qint64{0}; });
  session.start((kBin + QStringLiteral("topologies/two_routers.ini")).toStdString());
  frmDocument empty(session, 1);
  frmDocument full(session, 2);
  empty.resize(800, 500);
  full.resize(800, 500);
  empty.show();
  full.show();

  Router& big = *session.sim().router(2);
  const std::string chunk = [] {
    std::string s;
    for (int i = 0; i < 1000; ++i)
      s += "Serial0 is up, line protocol is up - line of earlier output\r\n";
    return s;
  }();
  QElapsedTimer fill;
  fill.start();
  while (big.console.transcript().size() < 10u * 1024u * 1024u) big.console.append(chunk);
  QApplication::processEvents();
  std::printf("filled a console with %.1f MB of transcript in %.0f ms\n",
              static_cast<double>(big.console.transcript().size()) / (1024.0 * 1024.0),
              static_cast<double>(fill.nsecsElapsed()) / 1e6);

  Router& small = *session.sim().router(1);
  for (const bool paint : {false, true}) {
    const int lines = paint ? 300 : 3000;
    std::vector<double> e, f;
    for (int round = 0; round < 5; ++round) {
      e.push_back(append_us(small, lines, paint));
      f.push_back(append_us(big, lines, paint));
    }
    const double me = median(e);
    const double mf = median(f);
    std::printf("append a line%s: empty console %.1f us, 10 MB console %.1f us, ratio %.2f\n",
                paint ? " and repaint" : "", me, mf, mf / me);
  }

  std::vector<double> keys_empty, keys_full;
  for (int round = 0; round < 5; ++round) {
    for (auto [n, out] : {std::pair{1, &keys_empty}, std::pair{2, &keys_full}}) {
      QElapsedTimer t;
      t.start();
      for (int i = 0; i < 200; ++i) {
        session.key(n, 'x');
        QApplication::processEvents();
      }
      for (int i = 0; i < 200; ++i) session.key(n, 8);  // Backspace
      out->push_back(static_cast<double>(t.nsecsElapsed()) / 1e3 / 400);
    }
  }
  std::printf("a typed key with repaint: empty console %.1f us, 10 MB console %.1f us\n",
              median(keys_empty), median(keys_full));
}

StartOptions quiet(const QString& topology) {
  StartOptions o;
  o.app_dir = kBin;
  o.topology = topology;
  o.show_splash = false;
  o.show_tips = false;
  return o;
}

double cpu_seconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Every link of the ring addressed, RIP and OSPF on every router.
void configure_ring(frmMain& w) {
  const int n = w.sim().router_count;
  for (int r = 1; r <= n; ++r) {
    const int prev = r == 1 ? n : r - 1;
    w.type_text(r, QStringLiteral("\nenable\nconfigure terminal\ninterface serial0\n"
                                  "ip address 10.%1.0.1 255.255.255.0\nno shutdown\n"
                                  "interface serial1\nip address 10.%2.0.2 255.255.255.0\n"
                                  "no shutdown\nexit\nrouter rip\nnetwork 10.0.0.0\nexit\n"
                                  "router ospf 1\nnetwork 10.0.0.0 0.255.255.255 area 0\nend\n")
                       .arg(r)
                       .arg(prev));
  }
}

void diagram_bench() {
  std::vector<double> open_ms;
  for (int round = 0; round < 5; ++round) {
    frmMain w(quiet(kBin + QStringLiteral("topologies/ring50.ini")));
    w.start_up();
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    w.show_diagram();
    QApplication::processEvents();  // laid out, fitted and painted
    open_ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
  }
  std::printf(
      "network diagram of ring50.ini opened and painted: %.1f ms (median of 5, first "
      "%.1f ms)\n",
      median(open_ms), open_ms.front());

  frmMain w(quiet(kBin + QStringLiteral("topologies/ring50.ini")));
  w.start_up();
  w.session().set_real_time(false);
  w.show_diagram();
  QApplication::processEvents();
  configure_ring(w);
  w.session().run_for(60000);
  QElapsedTimer t;
  t.start();
  int changed = 0;
  for (int i = 0; i < 1000; ++i) changed += w.diagram()->refresh_states();
  std::printf("a state poll of the ring with nothing changed: %.2f us, %d items repainted\n",
              static_cast<double>(t.nsecsElapsed()) / 1e3 / 1000, changed);
  w.type_text(7, QStringLiteral("configure terminal\ninterface serial0\nshutdown\nend\n"));
  int repainted = 0;
  for (int i = 0; i < 10; ++i) {
    // refresh_states ran already on each tick; a further poll finds nothing left to repaint.
    w.session().run_for(2000);
    repainted += w.diagram()->refresh_states();
  }
  int down = 0;
  for (CableItem* c : w.diagram()->cables())
    for (int end = 0; end < 2; ++end) down += c->state(end) != CableEndState::Up ? 1 : 0;
  std::printf("after shutting one end: %d of %zu ends not up, %d repaints left for a second poll\n",
              down, 2 * w.diagram()->cables().size(), repainted);

  // The same ten simulated minutes run at once, for the core's own share.
  {
    const double c0 = cpu_seconds();
    w.session().run_for(600000);
    std::printf(
        "ten simulated minutes of the ring run at once: %.2f s CPU; router 1 knows %d "
        "routes\n",
        cpu_seconds() - c0, static_cast<int>(w.sim().router(1)->record.route_count));
  }

  // Real time for five seconds at 1x and at 60x, the diagram open, then at 60x without it: CPU
  // share and the longest gap between clock ticks (how long the interface could not react).
  w.session().set_clock({});
  QElapsedTimer gap;
  double longest = 0;
  int ticks = 0;
  QObject::connect(&w.session(), &CoreSession::ran, &w, [&] {
    if (gap.isValid()) longest = std::max(longest, static_cast<double>(gap.nsecsElapsed()) / 1e6);
    gap.start();
    ++ticks;
  });
  for (const auto& [factor, diagram] :
       {std::pair{1, true}, std::pair{60, true}, std::pair{60, false}}) {
    if (!diagram) w.diagram_window()->close();
    w.session().speed().set_factor(factor);
    w.session().set_real_time(true);
    longest = 0;
    ticks = 0;
    gap.invalidate();
    const SimMillis sim_before = w.sim().scheduler.now();
    const double cpu_before = cpu_seconds();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpu = cpu_seconds() - cpu_before;
    const double real = static_cast<double>(wall.elapsed()) / 1000;
    w.session().set_real_time(false);
    std::printf(
        "ring50 with RIP and OSPF at %dx, diagram %s, %.1f s: %.1f simulated min, CPU %.0f%% "
        "of one core, %d ticks, longest gap between ticks %.1f ms\n",
        factor, diagram ? "open" : "closed", real,
        static_cast<double>(w.sim().scheduler.now() - sim_before) / 60000, 100 * cpu / real, ticks,
        longest);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::vector<double> ring, chain;
  for (int i = 0; i < 5; ++i) {
    ring.push_back(start_up_ms(kBin + QStringLiteral("topologies/ring50.ini")));
    chain.push_back(start_up_ms(kBin + QStringLiteral("default.ini")));
  }
  std::printf(
      "start-up to the first shown console: ring50.ini %.0f ms (median of 5, first %.0f ms), "
      "default.ini %.0f ms\n",
      median(ring), ring.front(), median(chain));
  transcript_bench();
  diagram_bench();
  return 0;
}
