// `frmDiagram`, the live network diagram: a node per router, a line per cable with the interface
// names and a state dot at each end (green: line protocol up, red: down, grey: administratively
// down). What it shows comes from the core's model (simulation/network_diagram.h); whenever the
// core has run (the clock tick, a key) it refreshes the model and repaints only the ends whose
// state changed. The wheel zooms, dragging the background pans,
// dragging a router moves it (the position is written to the topology file under keys the
// start-up ignores), double-clicking a router opens its console.
#pragma once

#include <QGraphicsView>
#include <QWidget>
#include <vector>

#include "simulation/network_diagram.h"

class QAction;
class QGraphicsScene;
class QLabel;

namespace zorva {
class Simulation;
}

namespace zorva::ui {

class CableItem;
class RouterNode;

// The view: zooms with the wheel around the pointer, pans by dragging the background.
class DiagramView : public QGraphicsView {
  Q_OBJECT

 public:
  explicit DiagramView(QGraphicsScene* scene, QWidget* parent = nullptr);
  void zoom(double factor);
  void fit();

 protected:
  void wheelEvent(QWheelEvent* e) override;
};

class frmDiagram : public QWidget {
  Q_OBJECT

 public:
  // `sim` must outlive the window; the window is closed before the simulation goes.
  explicit frmDiagram(Simulation& sim, QWidget* parent = nullptr);

  // Makes the model anew (cabling, saved positions) and draws everything anew.
  void rebuild();
  // Takes up state and host-name changes; returns how many items were repainted.
  int refresh_states();
  // Lays every router out automatically and keeps those positions in the topology file.
  void lay_out_again();

  QGraphicsScene* scene() const { return scene_; }
  DiagramView* view() const { return view_; }
  const std::vector<RouterNode*>& nodes() const { return nodes_; }
  const std::vector<CableItem*>& cables() const { return cables_; }
  const NetworkDiagram& model() const { return model_; }  // nodes_[i] draws model().routers[i]
  RouterNode* node(int n) const;
  QString message() const;  // the line under the diagram

 signals:
  void open_console(int n);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void keep_positions(const std::vector<int>& routers);

  Simulation& sim_;
  QGraphicsScene* scene_;
  DiagramView* view_;
  QLabel* message_;
  NetworkDiagram model_;
  std::vector<RouterNode*> nodes_;  // [n - 1] = router n
  std::vector<CableItem*> cables_;  // [i] draws model_.cables[i]
  bool fitted_ = false;             // fitted to the window once shown
};

}  // namespace zorva::ui
