// frmDiagram: drawing the model of the simulation, polling states, keeping positions.
#include "ui/frm_diagram.h"

#include <QGraphicsScene>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>

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
          .arg(end_colour(CableEndState::Up).name(), end_colour(CableEndState::Down).name(),
               end_colour(CableEndState::AdminDown).name()),
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
  model_ = network_diagram(sim_);
  for (const DiagramRouter& r : model_.routers) {
    auto* node = new RouterNode(r, sim_.router(r.number)->record);
    node->setPos(r.position.x, r.position.y);
    node->on_double_click = [this](int m) { emit open_console(m); };
    node->on_moved = [this](int m) { keep_positions({m}); };
    scene_->addItem(node);
    nodes_.push_back(node);
  }
  for (const DiagramCable& c : model_.cables) {
    auto* item = new CableItem(c, node(c.a.router), node(c.b.router),
                               sim_.router(c.a.router)->record, sim_.router(c.b.router)->record);
    scene_->addItem(item);
    cables_.push_back(item);
  }
  message_->setText(latin1_text(model_.caption));
  fitted_ = false;
  if (isVisible()) view_->fit(), fitted_ = true;
}

int frmDiagram::refresh_states() {
  refresh_network_diagram(model_, sim_);
  int changed = 0;
  for (std::size_t i = 0; i < nodes_.size(); ++i)
    changed += nodes_[i]->show_label(latin1_text(model_.routers[i].label)) ? 1 : 0;
  for (std::size_t i = 0; i < cables_.size(); ++i)
    changed += cables_[i]->show_states(model_.cables[i]);
  return changed;
}

void frmDiagram::lay_out_again() {
  lay_out_automatically(model_);
  std::vector<int> all;
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    const DiagramPoint at = model_.routers[i].position;
    nodes_[i]->setPos(at.x, at.y);
    all.push_back(nodes_[i]->number());
  }
  keep_positions(all);
  view_->fit();
}

void frmDiagram::keep_positions(const std::vector<int>& routers) {
  std::map<int, QPointF> positions;
  for (const int n : routers) {
    if (RouterNode* r = node(n)) {
      positions[n] = r->pos();
      model_.routers[static_cast<std::size_t>(n - 1)].position = {r->x(), r->y()};
    }
  }
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
