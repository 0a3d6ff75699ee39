// frmChooseTopo: the topology chooser.
#include "ui/frm_choose_topo.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/console_text.h"
#include "ui/frm_topology_editor.h"

namespace zorva::ui {

QString topology_file_filters() {
  return QStringLiteral("top Files (*.top);;ini Files (*.ini);;Topology Files (*.top *.ini)");
}

QString pick_topology_file(QWidget* parent, const QString& folder) {
  QString selected = QStringLiteral("Topology Files (*.top *.ini)");
  return QFileDialog::getOpenFileName(parent, QStringLiteral("Open"), folder,
                                      topology_file_filters(), &selected);
}

frmChooseTopo::frmChooseTopo(Host& host, std::string app_path, std::string topology_file,
                             QWidget* parent, TopologyPicker picker, TopologyMaker maker)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      host_(host),
      app_path_(std::move(app_path)),
      topology_file_(std::move(topology_file)),
      picker_(std::move(picker)),
      maker_(maker ? std::move(maker) : TopologyMaker([this](QWidget*, const QString& f) {
        return make_topology(f);
      })) {
  setObjectName(QStringLiteral("frmChooseTopo"));
  setWindowTitle(tr("Choose a Topology"));
  setModal(true);

  const QString current = QFileInfo(latin1_text(topology_file_)).fileName();
  optUseCurrent_ = new QRadioButton(tr("&Use the current topology (%1)").arg(current), this);
  optMakeNew_ = new QRadioButton(tr("&Make a new topology in the topology editor"), this);
  optOpenFile_ = new QRadioButton(tr("&Open a topology file..."), this);
  optUseCurrent_->setChecked(true);

  auto* group = new QGroupBox(tr("Which network would you like to work on?"), this);
  auto* choices = new QVBoxLayout(group);
  choices->addWidget(optUseCurrent_);
  choices->addWidget(optMakeNew_);
  choices->addWidget(optOpenFile_);

  btnPickTop_ = new QPushButton(tr("Continue"), this);
  btnPickTop_->setObjectName(QStringLiteral("btnPickTop"));
  btnPickTop_->setDefault(true);
  connect(btnPickTop_, &QPushButton::clicked, this, &frmChooseTopo::btnPickTop_Click);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnPickTop_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
}

void frmChooseTopo::btnPickTop_Click() {
  if (optUseCurrent_->isChecked()) {
    picked_ = true;
    accept();
  } else if (optMakeNew_->isChecked() || optOpenFile_->isChecked()) {
    QString folder = latin1_text(app_path_);
    if (QDir(folder + QStringLiteral("topologies")).exists())
      folder += QStringLiteral("topologies");
    const TopologyPicker& ask = optMakeNew_->isChecked() ? maker_ : picker_;
    const QString file = ask ? ask(this, folder) : QString();
    if (file.isEmpty()) return;  // cancelled or not saved: the chooser stays
    topology_file_ = QDir::toNativeSeparators(file).toStdString();
    picked_ = true;
    accept();
  }
}

QString frmChooseTopo::make_topology(const QString& folder) {
  frmTopologyEditor editor(host_, folder, this);
  editor.set_open_question(tr("Saved %1. Start the simulator on this topology now?"));
  QString chosen;
  connect(&editor, &frmTopologyEditor::open_topology, this,
          [&chosen](const QString& file) { chosen = file; });
  editor.exec();
  return chosen;
}

void frmChooseTopo::reject() {}

void frmChooseTopo::closeEvent(QCloseEvent* e) {
  if (picked_) {
    e->accept();
  } else {
    e->ignore();
  }
}

}  // namespace zorva::ui
