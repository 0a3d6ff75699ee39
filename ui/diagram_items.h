// The pieces of the network diagram, drawn from the core's model (simulation/network_diagram.h): a
// router node (its host name in a box, movable, with the router's addresses in a tooltip) and a
// cable (a line between two nodes, the interface name and a state dot at each end). Each piece
// keeps what it last drew, so a state poll repaints only what changed.
#pragma once

#include <QBrush>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <functional>
#include <vector>

#include "simulation/network_diagram.h"

namespace zorva {
struct RouterRecord;
}  // namespace zorva

namespace zorva::ui {

// How a cable end's state is drawn and told.
QColor end_colour(CableEndState s);
const char* end_state_text(CableEndState s);

// An interface's address line for tooltips: "Serial0 10.1.1.1/24 - up" or "... no address ...".
QString interface_summary(const InterfaceEntry& e);

class CableItem;

// A cable end's state dot; its tooltip is made when the pointer arrives.
class EndDot : public QGraphicsEllipseItem {
 public:
  EndDot(double diameter, QGraphicsItem* parent);
  std::function<QString()> describe;

 protected:
  void hoverEnterEvent(QGraphicsSceneHoverEvent* e) override;
};

class RouterNode : public QGraphicsRectItem {
 public:
  static constexpr int kType = UserType + 1;
  static constexpr double kWidth = 104;
  static constexpr double kHeight = 44;

  // `record` (the core's router record, read for the tooltip) must outlive the node.
  RouterNode(const DiagramRouter& router, const RouterRecord& record);

  int type() const override { return kType; }
  int number() const { return number_; }
  QString label() const { return label_->text(); }
  // The tooltip: the router, then each interface with its address and state.
  QString summary() const;

  void add_cable(CableItem* c) { cables_.push_back(c); }
  // Shows `label` as the node's name; returns whether it differed from the one shown.
  bool show_label(const QString& label);

  std::function<void(int)> on_double_click;  // open router n's console
  std::function<void(int)> on_moved;         // the user dropped router n somewhere new

 protected:
  QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
  void hoverEnterEvent(QGraphicsSceneHoverEvent* e) override;
  void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* e) override;
  void mousePressEvent(QGraphicsSceneMouseEvent* e) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent* e) override;

 private:
  void centre_label();

  int number_;
  const RouterRecord& record_;
  QGraphicsSimpleTextItem* label_;
  std::vector<CableItem*> cables_;
  QPointF pressed_at_;
};

class CableItem : public QGraphicsLineItem {
 public:
  static constexpr int kType = UserType + 2;

  // `cable` drawn between nodes `a` and `b`, the nodes of its ends; the records (read for the
  // tooltips) must outlive the item.
  CableItem(const DiagramCable& cable, RouterNode* a, RouterNode* b, const RouterRecord& a_record,
            const RouterRecord& b_record);

  int type() const override { return kType; }
  RouterNode* node(int end) const { return end == 0 ? a_ : b_; }
  int interface(int end) const { return end == 0 ? a_interface_ : b_interface_; }
  CableEndState state(int end) const { return state_[end]; }
  QString end_label(int end) const { return labels_[end]->text(); }
  QColor end_colour_shown(int end) const { return dots_[end]->brush().color(); }
  QString end_summary(int end) const;  // the end's tooltip

  // Follows the nodes after a move.
  void place();
  // Shows the end states of `cable` (the one this item draws); repaints only an end whose state
  // changed. Returns how many did.
  int show_states(const DiagramCable& cable);

 private:
  void show_state(int end);
  const InterfaceEntry& entry(int end) const;

  RouterNode* a_;
  RouterNode* b_;
  int a_interface_;
  int b_interface_;
  const RouterRecord& a_record_;
  const RouterRecord& b_record_;
  CableEndState state_[2] = {CableEndState::Down, CableEndState::Down};
  EndDot* dots_[2];
  QGraphicsSimpleTextItem* labels_[2];
};

}  // namespace zorva::ui
