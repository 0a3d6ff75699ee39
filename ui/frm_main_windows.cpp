// frmMain: the windows in the frame: the consoles and browser windows by number or page, showing
// the Lab Navigator and the Topology page, and the Window menu's arrangements.
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "simulation/simulation.h"
#include "ui/console_input.h"
#include "ui/console_text.h"
#include "ui/core_session.h"
#include "ui/frm_browser.h"
#include "ui/frm_document.h"
#include "ui/frm_main.h"
#include "ui/frm_topology_browser.h"
#include "ui/toolbar_icons.h"

namespace zorva::ui {

namespace {

constexpr const char* kTrainingPage = "labs/training.htm";  // "the maker's training web site"
constexpr const char* kMakerHomePage = "labs/kolvo.htm";    // "the maker's home web page"

}  // namespace

frmDocument* frmMain::document(int n) const {
  QMdiSubWindow* w = router_window(n);
  return w ? qobject_cast<frmDocument*>(w->widget()) : nullptr;
}

QMdiSubWindow* frmMain::router_window(int n) const {
  if (n < 1 || n >= static_cast<int>(router_windows_.size())) return nullptr;
  return router_windows_[static_cast<std::size_t>(n)];
}

frmDocument* frmMain::active_document() const {
  if (QMdiSubWindow* w = mdi_->activeSubWindow()) {
    if (auto* doc = qobject_cast<frmDocument*>(w->widget())) return doc;
  }
  return document(session_->sim().active_router);
}

QMdiSubWindow* frmMain::browser_window(BrowserWindow* b) const {
  return b ? qobject_cast<QMdiSubWindow*>(b->parentWidget()) : nullptr;
}

QMdiSubWindow* frmMain::add_browser(BrowserWindow* b) {
  auto* w = new QMdiSubWindow;
  w->setWidget(b);
  w->setAttribute(Qt::WA_DeleteOnClose, false);  // closing hides it; it is kept for later opens
  w->setWindowIcon(b == lab_navigator_ ? lab_navigator_icon() : topology_icon());
  connect(b, &QWidget::windowTitleChanged, w, &QWidget::setWindowTitle);
  w->setWindowTitle(b->windowTitle());
  connect(b, &BrowserWindow::function_key, this, [this](int n) { session_->function_key(n); });
  mdi_->addSubWindow(w);
  return w;
}

void frmMain::window_activated(QMdiSubWindow* w) {
  if (!w) return;
  if (auto* doc = qobject_cast<frmDocument*>(w->widget())) {
    sim().active_router = doc->number();
    doc->txtin()->setFocus();
    update_status();
  }
}

void frmMain::activate_router(int n) {
  QMdiSubWindow* w = router_window(n);
  if (!w) return;
  w->show();
  w->showMaximized();
  mdi_->setActiveSubWindow(w);
  document(n)->txtin()->setFocus();
}

void frmMain::show_browser(QMdiSubWindow* w, bool maximise) {
  if (!w) return;
  w->show();
  if (maximise) w->showMaximized();
  mdi_->setActiveSubWindow(w);
  w->raise();
}

QUrl frmMain::app_page(const char* page) const {
  return QUrl::fromLocalFile(
      QDir(latin1_text(session_->sim().app_path)).filePath(QString::fromLatin1(page)));
}

void frmMain::lab_navigator_command() {
  const Answer a = host().message_box(
      "Reset current lab", "Are you sure you would like to start a new lab?", Buttons::OkCancel);
  if (a != Answer::Ok) return;
  lab_navigator_->navigate(app_page(kLabIndexPage));
  show_browser(browser_window(lab_navigator_), true);
}

void frmMain::current_lab() {
  show_browser(browser_window(lab_navigator_), false);
}

frmTopologyBrowser* frmMain::ensure_topology_browser() {
  if (!topology_browser_) {
    topology_browser_ = new frmTopologyBrowser(host(), latin1_text(sim().app_path));
    add_browser(topology_browser_);
  }
  return topology_browser_;
}

void frmMain::show_topology() {
  frmTopologyBrowser* b = ensure_topology_browser();
  show_loaded_topology(b);
  show_browser(browser_window(b), true);
}

void frmMain::view_web_browser() {
  lab_navigator_->navigate(app_page(kTrainingPage));
  show_browser(browser_window(lab_navigator_), true);
}

void frmMain::home_page() {
  lab_navigator_->navigate(app_page(kMakerHomePage));
  show_browser(browser_window(lab_navigator_), true);
}

std::vector<QMdiSubWindow*> frmMain::arrangeable_windows() const {
  std::vector<QMdiSubWindow*> list;
  for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    if (!w->isHidden() && !w->isMinimized()) list.push_back(w);
  }
  return list;
}

void frmMain::arrange(Tiling tiling) {
  for (QMdiSubWindow* w : mdi_->subWindowList()) {
    if (w->isMaximized()) w->showNormal();
  }
  const std::vector<QMdiSubWindow*> windows = arrangeable_windows();
  const std::vector<QRect> rects =
      tile_rects(static_cast<int>(windows.size()), mdi_->viewport()->rect(), tiling);
  for (std::size_t i = 0; i < windows.size() && i < rects.size(); ++i) {
    windows[i]->setGeometry(rects[i]);
  }
}

void frmMain::cascade() {
  for (QMdiSubWindow* w : mdi_->subWindowList()) {
    if (w->isMaximized()) w->showNormal();
  }
  const QRect area = mdi_->viewport()->rect();
  const std::vector<QMdiSubWindow*> windows = arrangeable_windows();
  const int step = 26;
  const QSize size(std::max(area.width() * 3 / 5, 320), std::max(area.height() * 3 / 5, 200));
  for (std::size_t i = 0; i < windows.size(); ++i) {
    const int k = static_cast<int>(i) % 12;  // start again at the corner after a dozen
    windows[i]->setGeometry(area.left() + k * step, area.top() + k * step, size.width(),
                            size.height());
    windows[i]->raise();
  }
}

void frmMain::arrange_icons() {
  std::vector<QMdiSubWindow*> icons;
  for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    if (!w->isHidden() && w->isMinimized()) icons.push_back(w);
  }
  if (icons.empty()) return;
  const std::vector<QPoint> at = icon_positions(static_cast<int>(icons.size()),
                                                mdi_->viewport()->rect(), icons.front()->size());
  for (std::size_t i = 0; i < icons.size(); ++i) icons[i]->move(at[i]);
}

}  // namespace zorva::ui
