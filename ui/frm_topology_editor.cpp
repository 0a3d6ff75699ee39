// frmTopologyEditor: the dialog around TopologyEdit.
#include "ui/frm_topology_editor.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/host.h"

namespace zorva::ui {

namespace {

QSpinBox* count_box(int value, QWidget* parent) {
  auto* b = new QSpinBox(parent);
  b->setRange(0, kEditorMaxInterfaces);
  b->setValue(value);
  return b;
}

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

frmTopologyEditor::frmTopologyEditor(Host& host, QString folder, QWidget* parent)
    : QDialog(parent), host_(host), folder_(std::move(folder)) {
  setObjectName(QStringLiteral("frmTopologyEditor"));
  setWindowTitle(tr("Create Topology"));

  auto* router_group = new QGroupBox(tr("Routers (at most %1)").arg(kEditorMaxRouters), this);
  routers_ = new QListWidget(router_group);
  serial_ = count_box(2, router_group);
  ethernet_ = count_box(1, router_group);
  bri_ = count_box(0, router_group);
  auto* counts = new QFormLayout;
  counts->addRow(tr("Serial:"), serial_);
  counts->addRow(tr("Ethernet:"), ethernet_);
  counts->addRow(tr("BRI:"), bri_);
  QPushButton* add_r = button(tr("Add Router"), "btnAddRouter", router_group);
  QPushButton* remove_r = button(tr("Remove Router"), "btnRemoveRouter", router_group);
  auto* rl = new QVBoxLayout(router_group);
  rl->addWidget(routers_, 1);
  rl->addLayout(counts);
  auto* rb = new QHBoxLayout;
  rb->addWidget(add_r);
  rb->addWidget(remove_r);
  rl->addLayout(rb);

  auto* cable_group =
      new QGroupBox(tr("Cables (at most %1, each interface once)").arg(kEditorMaxConnectors), this);
  cables_ = new QListWidget(cable_group);
  auto* ends = new QGridLayout;
  for (int e = 0; e < 2; ++e) {
    router_box_[e] = new QComboBox(cable_group);
    interface_box_[e] = new QComboBox(cable_group);
    ends->addWidget(new QLabel(e == 0 ? tr("From:") : tr("To:"), cable_group), e, 0);
    ends->addWidget(router_box_[e], e, 1);
    ends->addWidget(interface_box_[e], e, 2);
    connect(router_box_[e], &QComboBox::currentIndexChanged, this,
            [this, e] { fill_interfaces(e); });
  }
  QPushButton* add_c = button(tr("Add Cable"), "btnAddCable", cable_group);
  QPushButton* remove_c = button(tr("Delete Cable"), "btnDeleteCable", cable_group);
  auto* cl = new QVBoxLayout(cable_group);
  cl->addWidget(cables_, 1);
  cl->addLayout(ends);
  auto* cb = new QHBoxLayout;
  cb->addWidget(add_c);
  cb->addWidget(remove_c);
  cl->addLayout(cb);

  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("editorMessage"));
  message_->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* open = button(tr("Open..."), "btnOpen", this);
  QPushButton* save = button(tr("Save As..."), "btnSaveAs", this);
  buttons->addButton(open, QDialogButtonBox::ActionRole);
  buttons->addButton(save, QDialogButtonBox::ActionRole);
  buttons->addButton(QDialogButtonBox::Close);

  auto* lists = new QHBoxLayout;
  lists->addWidget(router_group, 2);
  lists->addWidget(cable_group, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists, 1);
  layout->addWidget(message_);
  layout->addWidget(buttons);

  connect(add_r, &QPushButton::clicked, this, &frmTopologyEditor::add_router);
  connect(remove_r, &QPushButton::clicked, this, &frmTopologyEditor::remove_router);
  connect(add_c, &QPushButton::clicked, this, &frmTopologyEditor::add_cable);
  connect(remove_c, &QPushButton::clicked, this, &frmTopologyEditor::remove_cable);
  connect(open, &QPushButton::clicked, this, &frmTopologyEditor::open_dialog);
  connect(save, &QPushButton::clicked, this, &frmTopologyEditor::save_dialog);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  resize(760, 480);
  fill();
}

QComboBox* frmTopologyEditor::end(int e, bool interface) const {
  return interface ? interface_box_[e] : router_box_[e];
}

QString frmTopologyEditor::message() const {
  return message_->text();
}

void frmTopologyEditor::show_result(const QString& refusal, const QString& done) {
  message_->setStyleSheet(refusal.isEmpty() ? QString() : QStringLiteral("color: #b02a20"));
  message_->setText(refusal.isEmpty() ? done : refusal);
  if (refusal.isEmpty()) fill();
}

void frmTopologyEditor::fill() {
  const TopologyDocument& d = edit_.document();
  routers_->clear();
  for (std::size_t i = 0; i < d.routers.size(); ++i) {
    const TopologyRouter& r = d.routers[i];
    routers_->addItem(tr("Router%1 - %2 serial, %3 Ethernet, %4 BRI")
                          .arg(i + 1)
                          .arg(r.serial)
                          .arg(r.ethernet)
                          .arg(r.bri));
  }
  cables_->clear();
  for (std::size_t i = 0; i < d.cables.size(); ++i) {
    const TopologyCable& c = d.cables[i];
    cables_->addItem(QStringLiteral("%1 %2 - %3 %4 (%5)")
                         .arg(c.dev1name, c.dev1interface, c.dev2name, c.dev2interface, c.type));
  }
  for (int e = 0; e < 2; ++e) {
    const int keep = router_box_[e]->currentIndex();
    QSignalBlocker block(router_box_[e]);
    router_box_[e]->clear();
    for (int n = 1; n <= edit_.router_count(); ++n) router_box_[e]->addItem(router_name(n), n);
    router_box_[e]->setCurrentIndex(std::min(std::max(keep, e), router_box_[e]->count() - 1));
    fill_interfaces(e);
  }
}

void frmTopologyEditor::fill_interfaces(int e) {
  interface_box_[e]->clear();
  interface_box_[e]->addItems(edit_.free_interfaces(router_box_[e]->currentData().toInt()));
}

void frmTopologyEditor::add_router() {
  show_result(edit_.add_router(serial_->value(), ethernet_->value(), bri_->value()),
              tr("Router%1 added.").arg(edit_.router_count()));
}

void frmTopologyEditor::remove_router() {
  const int n = routers_->currentRow() + 1;
  if (n < 1) {
    show_result(tr("Choose the router to remove in the list first."), {});
    return;
  }
  show_result(
      edit_.remove_router(n),
      tr("Router%1 and its cables removed; the routers after it moved up one number.").arg(n));
}

void frmTopologyEditor::add_cable() {
  const int a = router_box_[0]->currentData().toInt();
  const int b = router_box_[1]->currentData().toInt();
  const QString ia = interface_box_[0]->currentText();
  const QString ib = interface_box_[1]->currentText();
  if (a < 1 || b < 1 || ia.isEmpty() || ib.isEmpty()) {
    show_result(tr("Choose a free interface at each end first."), {});
    return;
  }
  show_result(edit_.add_cable(a, ia, b, ib),
              tr("Cabled Router%1 %2 to Router%3 %4.").arg(a).arg(ia).arg(b).arg(ib));
}

void frmTopologyEditor::remove_cable() {
  const int i = cables_->currentRow() + 1;
  if (i < 1) {
    show_result(tr("Choose the cable to delete in the list first."), {});
    return;
  }
  show_result(edit_.remove_cable(i), tr("Cable deleted."));
}

void frmTopologyEditor::open_file(const QString& file) {
  edit_ = TopologyEdit(read_topology_document(file));
  file_ = file;
  show_result({}, tr("Opened %1.").arg(QFileInfo(file).fileName()));
}

bool frmTopologyEditor::save_to(const QString& file) {
  QString error;
  if (!save_topology_document(edit_.document(), file, &error)) {
    show_result(tr("Could not save %1: %2").arg(file, error), {});
    return false;
  }
  file_ = file;
  show_result({}, tr("Saved %1.").arg(QFileInfo(file).fileName()));
  const Answer a = host_.message_box("Create Topology",
                                     open_question_.arg(QFileInfo(file).fileName()).toStdString(),
                                     Buttons::OkCancel);
  if (a == Answer::Ok) {
    accept();
    emit open_topology(file);
  }
  return true;
}

void frmTopologyEditor::open_dialog() {
  const QString f = QFileDialog::getOpenFileName(this, tr("Open Topology"), folder_,
                                                 tr("Topology files (*.ini *.top);;All files (*)"));
  if (!f.isEmpty()) open_file(f);
}

void frmTopologyEditor::save_dialog() {
  QString f =
      QFileDialog::getSaveFileName(this, tr("Save Topology As"), file_.isEmpty() ? folder_ : file_,
                                   tr("Topology files (*.ini *.top);;All files (*)"));
  if (f.isEmpty()) return;
  if (QFileInfo(f).suffix().isEmpty()) f += QStringLiteral(".ini");
  save_to(f);
}

}  // namespace zorva::ui
