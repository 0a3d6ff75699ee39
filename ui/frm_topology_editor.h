// `frmTopologyEditor`, the Create Topology command's editor: routers with their Serial, Ethernet
// and BRI counts, cables from a free interface to a free interface of the same kind, the limits of
// the simulation enforced with a message under the lists, and the topology file saved in the
// format the start-up reads. After saving it offers to open the new topology at once (in place of
// the running lab, or at start-up as the first one).
#pragma once

#include <QDialog>

#include "ui/topology_edit.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace zorva {
class Host;
}

namespace zorva::ui {

class frmTopologyEditor : public QDialog {
  Q_OBJECT

 public:
  frmTopologyEditor(Host& host, QString folder, QWidget* parent = nullptr);

  TopologyEdit& edit() { return edit_; }
  // Loads a topology file into the editor.
  void open_file(const QString& file);
  // Saves to `file`; on success offers to open it and, if the user agrees, emits open_topology.
  bool save_to(const QString& file);
  QString message() const;
  // The question asked after a save, "%1" standing for the file's name.
  void set_open_question(const QString& question) { open_question_ = question; }
  QString file() const { return file_; }

  // The controls, for tests.
  QSpinBox* serial_count() const { return serial_; }
  QSpinBox* ethernet_count() const { return ethernet_; }
  QSpinBox* bri_count() const { return bri_; }
  QListWidget* router_list() const { return routers_; }
  QListWidget* cable_list() const { return cables_; }
  QComboBox* end(int e, bool interface) const;

 public slots:
  void add_router();
  void remove_router();
  void add_cable();
  void remove_cable();
  void open_dialog();
  void save_dialog();

 signals:
  void open_topology(const QString& file);

 private:
  void fill();
  void fill_interfaces(int end);
  void show_result(const QString& refusal, const QString& done);

  Host& host_;
  QString folder_;  // where the file dialogs start
  QString file_;    // the file last opened or saved
  QString open_question_ =
      tr("Saved %1. Open it now? The running lab is replaced by the new topology.");
  TopologyEdit edit_;
  QSpinBox* serial_;
  QSpinBox* ethernet_;
  QSpinBox* bri_;
  QListWidget* routers_;
  QListWidget* cables_;
  QComboBox* router_box_[2];
  QComboBox* interface_box_[2];
  QLabel* message_;
};

}  // namespace zorva::ui
