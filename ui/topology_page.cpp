// The generated Topology page.
#include "ui/topology_page.h"

#include <QGraphicsScene>
#include <QPainter>
#include <algorithm>

#include "simulation/simulation.h"
#include "simulation/topology_page.h"
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
  const TopologyPageFace face{"<img src=\"" + std::string(kTopologyPictureName) + "\"/>",
                              "View, Network Diagram"};
  return latin1_text(zorva::topology_page_html(sim, face));
}

}  // namespace zorva::ui
