// The generated Topology page.
#include "ui/topology_page.h"

#include <QFileInfo>
#include <QGraphicsScene>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "simulation/simulation.h"
#include "ui/console_text.h"
#include "ui/frm_diagram.h"

namespace zorva::ui {

QImage topology_picture(Simulation& sim, int width) {
  frmDiagram diagram(sim);
  QGraphicsScene* scene = diagram.scene();
  const QRectF source = scene->itemsBoundingRect().adjusted(-20, -20, 20, 20);
  if (source.isEmpty()) return {};
  const double scale = std::min(1.0, width / source.width());
  QImage image(
      QSize(static_cast<int>(source.width() * scale), static_cast<int>(source.height() * scale)),
      QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(0xf4, 0xf6, 0xfa));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  scene->render(&p, QRectF(QPointF(), image.size()), source);
  return image;
}

QString topology_page_html(Simulation& sim) {
  const QString file = QFileInfo(latin1_text(sim.topology_file)).fileName();
  QString h = QStringLiteral(
      "<html><head><title>Topology</title><link rel=\"stylesheet\" type=\"text/css\" "
      "href=\"labs.css\"/></head><body>"
      "<table width=\"100%\" cellpadding=\"8\" cellspacing=\"0\" bgcolor=\"#1d3357\"><tr><td>"
      "<font color=\"#ffffff\" size=\"+2\"><b>Topology</b></font><br/><font color=\"#c9d6ea\">"
      "The routers and cables of the loaded lab</font></td><td align=\"right\"><font "
      "color=\"#c9d6ea\">Kolvo Router Simulator<br/>Lab Navigator</font></td></tr></table>"
      "<p class=\"sub\"><a href=\"ccna_home.htm\">Lab index</a> &nbsp;|&nbsp; <a "
      "href=\"training.htm\">Command reference</a></p>");
  h += QStringLiteral("<h2>%1: %2 routers, %3 cables</h2>")
           .arg(file.toHtmlEscaped())
           .arg(sim.router_count)
           .arg(sim.connectors.connector_count);
  if (sim.router_count > 0) {
    h += QStringLiteral("<p align=\"center\"><img src=\"%1\"/></p>")
             .arg(QString::fromLatin1(kTopologyPictureName));
  }
  h += QStringLiteral(
      "<p>View, Network Diagram shows the same picture live: each cable end turns green, red "
      "or grey as its line protocol comes up, goes down or is shut down.</p>"
      "<table cellpadding=\"4\" cellspacing=\"0\" border=\"1\"><tr><td bgcolor=\"#e8edf5\"><b>"
      "Router</b></td><td bgcolor=\"#e8edf5\"><b>Interfaces</b></td><td bgcolor=\"#e8edf5\"><b>"
      "Cabled to</b></td></tr>");
  for (int n = 1; n <= sim.router_count; ++n) {
    const RouterRecord& rec = sim.router(n)->record;
    QStringList names;
    QStringList cabled;
    for (int i = 1; i <= rec.interface_count; ++i) {
      const InterfaceEntry& e = rec.interfaces[static_cast<std::size_t>(i)];
      names << latin1_text(e.name);
      const CableEnd& far = sim.network.far_end(n, i);
      if (!far.resolved() || sim.router(far.router) == nullptr) continue;
      cabled << QStringLiteral("%1 to Router %2 %3")
                    .arg(latin1_text(e.name))
                    .arg(far.router)
                    .arg(
                        latin1_text(sim.router(far.router)
                                        ->record.interfaces[static_cast<std::size_t>(far.interface)]
                                        .name));
    }
    const QString key =
        n <= 12 ? QStringLiteral(" (<span class=\"key\">F%1</span>)").arg(n) : QString();
    h += QStringLiteral(
             "<tr><td><a href=\"router:%1\">Router %1</a>%2</td><td>%3</td><td>%4</td></tr>")
             .arg(n)
             .arg(key, names.join(QStringLiteral(", ")),
                  cabled.isEmpty() ? QStringLiteral("-") : cabled.join(QStringLiteral("; ")));
  }
  h += QStringLiteral("</table></body></html>");
  return h;
}

}  // namespace zorva::ui
