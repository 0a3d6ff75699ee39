// frmDiagram: building the scene from the simulation, polling states, keeping positions.
#include "ui/frm_diagram.h"

#include <QGraphicsScene>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "simulation/diagram_layout.h"
#include "simulation/simulation.h"
#include "ui/console_text.h"
#include "ui/diagram_items.h"
#include "ui/topology_document.h"

namespace zorva::ui {

DiagramView::DiagramView(QGraphicsScene* scene, QWidget* parent) : QGraphicsView(scene, parent) {
  setObjectName(QStringLiteral("diagramView"));
  setRenderHint(QPainter::Antialiasing);
  setDragMode(ScrollHandDrag);
  setTransformationAnchor(AnchorUnderMouse);
  setResizeAnchor(AnchorViewCenter);
  setViewportUpdateMode(SmartViewportUpdate);
  setBackgroundBrush(QColor(0xf4, 0xf6, 0xfa));
}

void DiagramView::zoom(double factor) {
  const double now = transform().m11();
  const double wanted = std::clamp(now * factor, 0.05, 8.0);
  scale(wanted / now, wanted / now);
}

void DiagramView::fit() {
  if (!scene()) return;
  const QRectF r = scene()->itemsBoundingRect().adjusted(-30, -30, 30, 30);
  if (r.isEmpty()) return;
  fitInView(r, Qt::KeepAspectRatio);
  if (transform().m11() > 1.5) zoom(1.5 / transform().m11());  // a small network is not blown up
}

void DiagramView::wheelEvent(QWheelEvent* e) {
  const int steps = e->angleDelta().y() / 120;
  if (steps == 0) return;
  zoom(std::pow(1.15, steps));
  e->accept();
}

frmDiagram::frmDiagram(Simulation& sim, QWidget* parent)
    : QWidget(parent), sim_(sim), scene_(new QGraphicsScene(this)) {
  setObjectName(QStringLiteral("frmDiagram"));
  setWindowTitle(tr("Network Diagram"));
  view_ = new DiagramView(scene_, this);
  auto* tools = new QToolBar(this);
  tools->setObjectName(QStringLiteral("diagramTools"));
  const auto add = [&](const char* key, const QString& text, auto slot) {
    QAction* a = tools->addAction(text, this, slot);
    a->setObjectName(QString::fromLatin1(key));
  };
  add("Fit", tr("Fit to Window"), [this] { view_->fit(); });
  add("ZoomIn", tr("Zoom In"), [this] { view_->zoom(1.25); });
  add("ZoomOut", tr("Zoom Out"), [this] { view_->zoom(0.8); });
  add("AutoLayout", tr("Automatic Layout"), [this] { lay_out_again(); });
  auto* legend = new QLabel(
      tr("  <span style='color:%1'>&#9679;</span> up &nbsp; <span style='color:%2'>&#9679;</span> "
         "down &nbsp; <span style='color:%3'>&#9679;</span> administratively down")
          .arg(end_colour(EndState::Up).name(), end_colour(EndState::Down).name(),
               end_colour(EndState::AdministrativelyDown).name()),
      this);
  tools->addWidget(legend);
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("diagramMessage"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(view_, 1);
  layout->addWidget(message_);
  rebuild();
}

RouterNode* frmDiagram::node(int n) const {
  if (n < 1 || n > static_cast<int>(nodes_.size())) return nullptr;
  return nodes_[static_cast<std::size_t>(n - 1)];
}

QString frmDiagram::message() const {
  return message_->text();
}

void frmDiagram::rebuild() {
  scene_->clear();
  nodes_.clear();
  cables_.clear();
  const int count = sim_.router_count;
  // Every cable once: the network's resolved far ends, each pair of ends taken from its lower end.
  struct Cable {
    int a, ai, b, bi;
  };
  std::vector<Cable> cabling;
  std::set<std::pair<std::pair<int, int>, std::pair<int, int>>> seen;
  for (int n = 1; n <= count; ++n) {
    const Router* r = sim_.router(n);
    for (int i = 1; i <= r->record.interface_count; ++i) {
      const CableEnd& far = sim_.network.far_end(n, i);
      if (!far.resolved() || far.router > count) continue;
      std::pair<int, int> x{n, i};
      std::pair<int, int> y{far.router, far.interface};
      if (y < x) std::swap(x, y);
      if (x == y || !seen.insert({x, y}).second) continue;
      cabling.push_back({x.first, x.second, y.first, y.second});
    }
  }
  std::vector<std::pair<int, int>> edges;
  for (const Cable& c : cabling) edges.emplace_back(c.a - 1, c.b - 1);
  const std::vector<DiagramPoint> automatic = automatic_layout(count, edges);
  const TopologyDocument saved = read_topology_document(latin1_text(sim_.topology_file));
  for (int n = 1; n <= count; ++n) {
    auto* node = new RouterNode(n, sim_.router(n)->record);
    const auto k = static_cast<std::size_t>(n - 1);
    const bool placed = k < saved.routers.size() && saved.routers[k].position;
    node->setPos(placed ? *saved.routers[k].position : QPointF(automatic[k].x, automatic[k].y));
    node->on_double_click = [this](int m) { emit open_console(m); };
    node->on_moved = [this](int m) { keep_positions({m}); };
    scene_->addItem(node);
    nodes_.push_back(node);
  }
  for (const Cable& c : cabling) {
    auto* item = new CableItem(node(c.a), c.ai, node(c.b), c.bi, sim_.router(c.a)->record,
                               sim_.router(c.b)->record);
    scene_->addItem(item);
    cables_.push_back(item);
  }
  message_->setText(tr("%1 routers, %2 cables - %3")
                        .arg(count)
                        .arg(cables_.size())
                        .arg(latin1_text(sim_.topology_file)));
  fitted_ = false;
  if (isVisible()) view_->fit(), fitted_ = true;
}

int frmDiagram::refresh_states() {
  int changed = 0;
  for (RouterNode* n : nodes_) changed += n->refresh() ? 1 : 0;
  for (CableItem* c : cables_) changed += c->refresh();
  return changed;
}

void frmDiagram::lay_out_again() {
  std::vector<std::pair<int, int>> edges;
  for (const CableItem* c : cables_)
    edges.emplace_back(c->node(0)->number() - 1, c->node(1)->number() - 1);
  const std::vector<DiagramPoint> at = automatic_layout(static_cast<int>(nodes_.size()), edges);
  std::vector<int> all;
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    nodes_[i]->setPos(at[i].x, at[i].y);
    all.push_back(nodes_[i]->number());
  }
  keep_positions(all);
  view_->fit();
}

void frmDiagram::keep_positions(const std::vector<int>& routers) {
  std::map<int, QPointF> positions;
  for (const int n : routers)
    if (RouterNode* r = node(n)) positions[n] = r->pos();
  QString error;
  const QString file = latin1_text(sim_.topology_file);
  if (save_router_positions(file, positions, &error)) {
    message_->setText(tr("Positions kept in %1").arg(file));
  } else {
    message_->setText(tr("Positions not kept: %1").arg(error));
  }
}

void frmDiagram::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!fitted_) {
    view_->fit();
    fitted_ = true;
  }
}

}  // namespace zorva::ui
