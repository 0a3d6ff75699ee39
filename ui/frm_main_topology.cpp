// frmMain: the commands about the topology as a whole: the network diagram, the Topology page of
// the loaded topology, the topology editor, and opening another topology.
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <algorithm>

#include "simulation/simulation.h"
#include "ui/app_title.h"
#include "ui/console_text.h"
#include "ui/core_session.h"
#include "ui/frm_browser.h"
#include "ui/frm_diagram.h"
#include "ui/frm_main.h"
#include "ui/frm_topology_browser.h"
#include "ui/frm_topology_editor.h"
#include "ui/toolbar_icons.h"
#include "ui/topology_page.h"

namespace zorva::ui {

void frmMain::show_diagram() {
  if (!diagram_) {
    diagram_ = new frmDiagram(sim());
    connect(diagram_, &frmDiagram::open_console, this, &frmMain::activate_router);
    // The records are polled whenever the core has run; only changed ends are repainted.
    connect(session_.get(), &CoreSession::ran, diagram_, &frmDiagram::refresh_states);
    diagram_window_ = new QMdiSubWindow;
    diagram_window_->setWidget(diagram_);
    diagram_window_->setAttribute(Qt::WA_DeleteOnClose, false);
    diagram_window_->setWindowIcon(diagram_icon());
    diagram_window_->setWindowTitle(diagram_->windowTitle());
    diagram_window_->setObjectName(QStringLiteral("NetworkDiagram"));
    mdi_->addSubWindow(diagram_window_);
    const QRect area = mdi_->viewport()->rect();
    diagram_window_->setGeometry(area.adjusted(area.width() / 8, area.height() / 10,
                                               -area.width() / 8, -area.height() / 10));
  }
  diagram_->refresh_states();
  diagram_window_->show();
  mdi_->setActiveSubWindow(diagram_window_);
  diagram_window_->raise();
}

// The Topology page describes the loaded topology: the browser serves a page made from it at the
// page's usual address, with a picture that fits the lab's column.
void frmMain::show_loaded_topology(frmTopologyBrowser* b) {
  const QUrl page = app_page(kTopologyPage);
  b->page()->set_generated(page, topology_page_html(sim()));
  b->page()->set_generated(page.resolved(QUrl(QString::fromLatin1(kTopologyPictureName))),
                           topology_picture(sim(), std::max(240, lab_column().width() - 48)));
  b->navigate(page);
}

void frmMain::create_topology() {
  frmTopologyEditor editor(host(), latin1_text(sim().app_path) + QStringLiteral("topologies"),
                           this);
  connect(
      &editor, &frmTopologyEditor::open_topology, this,
      [this](const QString& file) { open_topology_file(file); }, Qt::QueuedConnection);
  editor.exec();
}

void frmMain::open_topology() {
  const QString file = QFileDialog::getOpenFileName(
      this, tr("Open Topology"), latin1_text(sim().app_path) + QStringLiteral("topologies"),
      tr("Topology files (*.ini *.top);;All files (*)"));
  if (!file.isEmpty()) open_topology_file(file);
}

void frmMain::close_simulation_windows() {
  if (diagram_window_) {
    mdi_->removeSubWindow(diagram_window_);
    delete diagram_window_;  // and the diagram in it
    diagram_window_ = nullptr;
    diagram_ = nullptr;
  }
  for (QMdiSubWindow* w : router_windows_) {
    if (!w) continue;
    mdi_->removeSubWindow(w);
    delete w;  // the console lets go of its router first
  }
  router_windows_.clear();
  // The Routers menu entries past the function keys belonged to the old topology.
  for (auto it = commands_.begin(); it != commands_.end();) {
    bool numbered = false;
    const int n = it.key().mid(9).toInt(&numbered);
    if (it.key().startsWith(QLatin1String("mnuRouter")) && numbered && n > kFunctionKeys) {
      delete it.value();
      it = commands_.erase(it);
    } else {
      ++it;
    }
  }
}

bool frmMain::open_topology_file(const QString& file) {
  bool opened = false;
  session_->lab().open_topology(file.toStdString(), [&opened](bool done) { opened = done; });
  if (!opened) return false;
  if (QMdiSubWindow* nav = browser_window(lab_navigator_)) nav->raise();
  statusBar()->showMessage(tr("Opened %1").arg(QFileInfo(file).fileName()), 5000);
  return true;
}

}  // namespace zorva::ui
