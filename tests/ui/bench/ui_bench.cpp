// Timings of the desktop face, printed rather than asserted: start-up on the fifty-router topology
// up to the first console on screen, and appending a line to a console that already holds 10 MB of
// transcript against appending it to an empty one.
//   ninja zorva-ui-bench && QT_QPA_PLATFORM=offscreen bin/zorva-ui-bench
#include <QApplication>
#include <QElapsedTimer>
#include <QMdiSubWindow>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "console/key_handler.h"
#include "simulation/simulation.h"
#include "ui/core_session.h"
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
  return 0;
}
