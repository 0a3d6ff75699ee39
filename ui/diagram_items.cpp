// Router nodes and cables of the network diagram.
#include "ui/diagram_items.h"

#include <QCursor>
#include <QFont>
#include <QGraphicsSceneMouseEvent>
#include <QPen>
#include <cmath>

#include "state/router_record.h"
#include "ui/console_text.h"

namespace zorva::ui {

namespace {

constexpr double kDot = 12;  // diameter of an end's state dot

// Where the segment from the centre of `r` towards `to` leaves the rectangle.
QPointF border_point(const QRectF& r, QPointF to) {
  const QPointF c = r.center();
  const QPointF d = to - c;
  if (std::abs(d.x()) < 1e-9 && std::abs(d.y()) < 1e-9) return c;
  const double sx = std::abs(d.x()) < 1e-9 ? 1e9 : (r.width() / 2) / std::abs(d.x());
  const double sy = std::abs(d.y()) < 1e-9 ? 1e9 : (r.height() / 2) / std::abs(d.y());
  return c + d * std::min(sx, sy);
}

}  // namespace

QColor end_colour(CableEndState s) {
  switch (s) {
    case CableEndState::Up:
      return QColor(0x2e, 0xa0, 0x4f);
    case CableEndState::Down:
      return QColor(0xd0, 0x3a, 0x2f);
    case CableEndState::AdminDown:
      return QColor(0x8a, 0x93, 0x9e);
  }
  return Qt::black;
}

const char* end_state_text(CableEndState s) {
  switch (s) {
    case CableEndState::Up:
      return "line protocol up";
    case CableEndState::Down:
      return "line protocol down";
    case CableEndState::AdminDown:
      return "administratively down";
  }
  return "";
}

QString interface_summary(const InterfaceEntry& e) {
  QString s = latin1_text(e.name) + QLatin1Char(' ');
  s += e.ip_address.empty()
           ? QStringLiteral("no address")
           : latin1_text(e.ip_address) + QLatin1Char('/') + QString::number(e.prefix_length);
  if (e.type == InterfaceType::Ethernet && !e.mac_address.empty())
    s += QStringLiteral(" (%1)").arg(latin1_text(e.mac_address));
  return s + QStringLiteral(" - ") + QString::fromLatin1(end_state_text(cable_end_state(e)));
}

// ---- EndDot -----------------------------------------------------------------------------------

EndDot::EndDot(double diameter, QGraphicsItem* parent)
    : QGraphicsEllipseItem(-diameter / 2, -diameter / 2, diameter, diameter, parent) {
  setAcceptHoverEvents(true);
}

void EndDot::hoverEnterEvent(QGraphicsSceneHoverEvent* e) {
  if (describe) setToolTip(describe());
  QGraphicsEllipseItem::hoverEnterEvent(e);
}

// ---- RouterNode -------------------------------------------------------------------------------

RouterNode::RouterNode(const DiagramRouter& router, const RouterRecord& record)
    : QGraphicsRectItem(-kWidth / 2, -kHeight / 2, kWidth, kHeight),
      number_(router.number),
      record_(record),
      label_(new QGraphicsSimpleTextItem(this)) {
  setBrush(QColor(0x2f, 0x6f, 0xb5));
  setPen(QPen(QColor(0x1d, 0x33, 0x57), 2));
  setFlags(ItemIsMovable | ItemSendsGeometryChanges | ItemIsSelectable);
  setAcceptHoverEvents(true);
  setCursor(QCursor(Qt::OpenHandCursor));
  setZValue(2);
  QFont f = label_->font();
  f.setBold(true);
  f.setPointSize(10);
  label_->setFont(f);
  label_->setBrush(Qt::white);
  auto* badge = new QGraphicsSimpleTextItem(QString::number(number_), this);
  QFont small = badge->font();
  small.setPointSize(7);
  badge->setFont(small);
  badge->setBrush(QColor(0xc9, 0xd6, 0xea));
  badge->setPos(-kWidth / 2 + 4, -kHeight / 2 + 1);
  show_label(latin1_text(router.label));
}

bool RouterNode::show_label(const QString& label) {
  if (label == label_->text()) return false;
  label_->setText(label);
  centre_label();
  return true;
}

void RouterNode::centre_label() {
  const QRectF b = label_->boundingRect();
  label_->setPos(-b.width() / 2, -b.height() / 2);
}

QVariant RouterNode::itemChange(GraphicsItemChange change, const QVariant& value) {
  if (change == ItemPositionHasChanged) {
    for (CableItem* c : cables_) c->place();
  }
  return QGraphicsRectItem::itemChange(change, value);
}

// The tooltip is made when the pointer arrives, so it shows the addresses of the moment.
QString RouterNode::summary() const {
  QStringList lines{QStringLiteral("Router %1 (%2)").arg(number_).arg(label_->text())};
  for (int i = 1; i <= record_.interface_count; ++i)
    lines << interface_summary(record_.interfaces[static_cast<std::size_t>(i)]);
  lines << QStringLiteral("Double-click to open its console");
  return lines.join(QLatin1Char('\n'));
}

void RouterNode::hoverEnterEvent(QGraphicsSceneHoverEvent* e) {
  setToolTip(summary());
  QGraphicsRectItem::hoverEnterEvent(e);
}

void RouterNode::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* e) {
  if (on_double_click) on_double_click(number_);
  e->accept();
}

void RouterNode::mousePressEvent(QGraphicsSceneMouseEvent* e) {
  pressed_at_ = pos();
  QGraphicsRectItem::mousePressEvent(e);
}

void RouterNode::mouseReleaseEvent(QGraphicsSceneMouseEvent* e) {
  QGraphicsRectItem::mouseReleaseEvent(e);
  if (pos() != pressed_at_ && on_moved) on_moved(number_);
}

// ---- CableItem --------------------------------------------------------------------------------

CableItem::CableItem(const DiagramCable& cable, RouterNode* a, RouterNode* b,
                     const RouterRecord& a_record, const RouterRecord& b_record)
    : a_(a),
      b_(b),
      a_interface_(cable.a.interface),
      b_interface_(cable.b.interface),
      a_record_(a_record),
      b_record_(b_record) {
  setZValue(1);
  const DiagramCableEnd* ends[2] = {&cable.a, &cable.b};
  for (int end = 0; end < 2; ++end) {
    dots_[end] = new EndDot(kDot, this);
    dots_[end]->describe = [this, end] { return end_summary(end); };
    dots_[end]->setPen(QPen(Qt::white, 1.5));
    dots_[end]->setZValue(3);
    labels_[end] = new QGraphicsSimpleTextItem(latin1_text(ends[end]->interface_name), this);
    QFont f = labels_[end]->font();
    f.setPointSize(8);
    labels_[end]->setFont(f);
    labels_[end]->setBrush(QColor(0x1d, 0x33, 0x57));
    labels_[end]->setZValue(3);
    state_[end] = ends[end]->state;
    show_state(end);
  }
  a_->add_cable(this);
  b_->add_cable(this);
  place();
}

const InterfaceEntry& CableItem::entry(int end) const {
  return end == 0 ? a_record_.interfaces[static_cast<std::size_t>(a_interface_)]
                  : b_record_.interfaces[static_cast<std::size_t>(b_interface_)];
}

void CableItem::place() {
  const QRectF ra = a_->sceneBoundingRect();
  const QRectF rb = b_->sceneBoundingRect();
  const QPointF pa = border_point(ra, rb.center());
  const QPointF pb = border_point(rb, ra.center());
  setLine(QLineF(pa, pb));
  const QLineF l(pa, pb);
  const double len = std::max(l.length(), 1.0);
  const QPointF unit = (pb - pa) / len;
  const QPointF normal(-unit.y(), unit.x());
  const QPointF ends[2] = {pa, pb};
  for (int end = 0; end < 2; ++end) {
    const QPointF inward = end == 0 ? unit : -unit;
    const QPointF dot = ends[end] + inward * std::min(kDot, len / 3);
    dots_[end]->setPos(dot);
    const QRectF b = labels_[end]->boundingRect();
    // The name sits beside its dot, off the line: under a level cable, beside an upright one.
    const QPointF side =
        normal.y() < 0 || (std::abs(normal.y()) < 1e-9 && normal.x() < 0) ? -normal : normal;
    const QPointF centre = dot + inward * (b.width() / 4) +
                           side * (std::abs(side.x()) * (b.width() / 2 + 4) +
                                   std::abs(side.y()) * (b.height() / 2 + 4));
    labels_[end]->setPos(centre - QPointF(b.width() / 2, b.height() / 2));
  }
}

void CableItem::show_state(int end) {
  dots_[end]->setBrush(end_colour(state_[end]));
  const bool up = state_[0] == CableEndState::Up && state_[1] == CableEndState::Up;
  QPen pen(up ? QColor(0x3a, 0x4a, 0x5e) : QColor(0xa0, 0xa8, 0xb2), up ? 3 : 2);
  if (!up) pen.setStyle(Qt::DashLine);
  if (pen != this->pen()) setPen(pen);
}

QString CableItem::end_summary(int end) const {
  return QStringLiteral("Router %1 %2")
      .arg(end == 0 ? a_->number() : b_->number())
      .arg(interface_summary(entry(end)));
}

int CableItem::show_states(const DiagramCable& cable) {
  int changed = 0;
  for (int end = 0; end < 2; ++end) {
    const CableEndState now = end == 0 ? cable.a.state : cable.b.state;
    if (now == state_[end]) continue;
    state_[end] = now;
    show_state(end);
    ++changed;
  }
  return changed;
}

}  // namespace zorva::ui
