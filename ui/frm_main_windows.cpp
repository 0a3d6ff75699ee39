// frmMain: the windows in the frame: the consoles and browser windows by number or page, showing
// the Lab Navigator and the Topology page in their column beside the consoles, and the Window
// menu's arrangements.
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>

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

// A lab page comes up in its column beside the consoles: a maximised window goes back to its
// place, and when a window stands in the column's way the consoles are tiled again beside it.
void frmMain::show_browser(QMdiSubWindow* w) {
  if (!w) return;
  bool crowded = false;
  for (QMdiSubWindow* o : mdi_->subWindowList()) {
    if (o != w && o->isMaximized()) crowded = true;
  }
  w->show();
  w->showNormal();
  const QRect column = lab_column();
  for (QMdiSubWindow* o : arrangeable_windows()) {
    if (!is_side_window(o) && o->geometry().intersects(column)) crowded = true;
  }
  if (crowded) arrange(Tiling::Horizontal);
  w->setGeometry(column);
  mdi_->setActiveSubWindow(w);
  w->raise();
}

bool frmMain::is_side_window(const QMdiSubWindow* w) const {
  return w && (w == browser_window(lab_navigator_) || w == browser_window(topology_browser_));
}

// The right part of the frame, as wide as the consoles leave it (see side_column).
QRect frmMain::lab_column() const {
  const QRect area = mdi_->viewport()->rect();
  int consoles = 0;
  if (QMdiSubWindow* w = router_window(1)) {
    const int frame = std::max(w->width() - w->widget()->width(),
                               2 * w->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth));
    consoles = document(1)->width_for_columns(kConsoleColumns) + frame;
  }
  return consoles > 0 ? side_column(area, consoles) : area;
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
  show_browser(browser_window(lab_navigator_));
}

void frmMain::current_lab() {
  show_browser(browser_window(lab_navigator_));
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
  show_browser(browser_window(b));
}

void frmMain::view_web_browser() {
  lab_navigator_->navigate(app_page(kTrainingPage));
  show_browser(browser_window(lab_navigator_));
}

void frmMain::home_page() {
  lab_navigator_->navigate(app_page(kMakerHomePage));
  show_browser(browser_window(lab_navigator_));
}

std::vector<QMdiSubWindow*> frmMain::arrangeable_windows() const {
  std::vector<QMdiSubWindow*> list;
  for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    if (!w->isHidden() && !w->isMinimized()) list.push_back(w);
  }
  return list;
}

// The lab pages keep their column at the right (one above the other when both are open); the
// consoles and the diagram are tiled in the rest. Without consoles the pages take the whole frame.
void frmMain::arrange(Tiling tiling) {
  for (QMdiSubWindow* w : mdi_->subWindowList()) {
    if (w->isMaximized()) w->showNormal();
  }
  std::vector<QMdiSubWindow*> tiled, side;
  for (QMdiSubWindow* w : arrangeable_windows()) (is_side_window(w) ? side : tiled).push_back(w);
  QRect rest = mdi_->viewport()->rect();
  QRect column = rest;
  if (!side.empty() && !tiled.empty()) {
    column = lab_column();
    rest.setRight(column.left() - 1);
  }
  const auto place = [](const std::vector<QMdiSubWindow*>& windows, const QRect& area, Tiling t) {
    const std::vector<QRect> rects = tile_rects(static_cast<int>(windows.size()), area, t);
    for (std::size_t i = 0; i < windows.size() && i < rects.size(); ++i)
      windows[i]->setGeometry(rects[i]);
  };
  place(tiled, rest, tiling);
  place(side, column, Tiling::Horizontal);
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
