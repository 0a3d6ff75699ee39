// frmMain: the main window, its start-up, toolbar and menu commands.
#include "ui/frm_main.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "base/app_paths.h"
#include "simulation/simulation.h"
#include "ui/app_settings.h"
#include "ui/app_title.h"
#include "ui/console_input.h"
#include "ui/console_text.h"
#include "ui/core_session.h"
#include "ui/frm_about.h"
#include "ui/frm_browser.h"
#include "ui/frm_choose_topo.h"
#include "ui/frm_document.h"
#include "ui/frm_options.h"
#include "ui/frm_splash.h"
#include "ui/frm_tip.h"
#include "ui/frm_topology_browser.h"
#include "ui/lab_menu.h"
#include "ui/toolbar_icons.h"
#include "ui/transcript_file.h"

namespace zorva::ui {

namespace {

constexpr const char* kTrainingPage = "labs/training.htm";  // "the maker's training web site"
constexpr const char* kMakerHomePage = "labs/kolvo.htm";    // "the maker's home web page"
constexpr int kFunctionKeys = 12;

// Router windows have a title and minimise and maximise buttons, but no close button and no
// system menu with a Close command.
constexpr Qt::WindowFlags kRouterWindowFlags =
    Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint;

QString clock_text(int seconds) {
  return QStringLiteral("%1:%2:%3")
      .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
      .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

frmMain::frmMain(StartOptions options, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      session_(std::make_unique<CoreSession>(options_.app_dir.toStdString(),
                                             LabMenu::recovery_file().toStdString())) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowIcon(application_icon());
  mdi_ = new QMdiArea(this);
  mdi_->setObjectName(QStringLiteral("mdiArea"));
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setBackground(QColor(0x5a, 0x6b, 0x80));
  setCentralWidget(mdi_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &frmMain::window_activated);

  QtHost& h = session_->host();
  h.set_dialog_parent(this);
  h.set_activate_function([this](int n) { activate_router(n); });

  build_actions();
  build_menus();
  build_toolbar();
  build_status_bar();
  lab_menu_ = new LabMenu(*this);
  connect_lab_session();
}

frmMain::~frmMain() {
  // The console windows are views of the core's consoles: they go before the core does.
  status_timer_.stop();
  delete mdi_;
  mdi_ = nullptr;
  session_.reset();
}

Simulation& frmMain::sim() {
  return session_->sim();
}
QtHost& frmMain::host() {
  return session_->host();
}

// ---- start-up -------------------------------------------------------------------------------

void frmMain::start_up() {
  Simulation& s = sim();
  frmSplash* splash = nullptr;
  if (options_.show_splash) {
    splash = new frmSplash(s.log, latin1_text(s.version_text));
    splash->show_now();
  }
  std::string topology = options_.topology.isEmpty() ? default_topology_file(s.app_path)
                                                     : options_.topology.toStdString();
  const bool lab_given = !options_.lab.isEmpty();
  if (options_.topology.isEmpty() && options_.screenshot.isEmpty() && !lab_given) {
    frmChooseTopo chooser(host(), s.app_path, topology);
    chooser.adjustSize();
    if (splash) chooser.move(splash->geometry().center() - chooser.rect().center());
    chooser.exec();
    topology = chooser.topology_file();
  }
  if (!lab_given ||
      !session_->start_lab(resolve_given_path(options_.lab.toStdString(), s.app_path)))
    session_->start(topology);
  // The lab may be a new simulation now: `s` was the one made before the start.
  setWindowTitle(QString::fromLatin1(kMainCaptionPrefix) + latin1_text(sim().version_text));
  create_consoles();
  restore_placement();
  show();
  arrange(Tiling::Vertical);
  if (QMdiSubWindow* first = router_window(1)) first->showNormal();
  hide_router_buttons();
  add_routers_past_function_keys();
  open_lab_navigator_at_startup();
  if (splash) splash->close();
  status_timer_.start(500);
  connect(qApp, &QApplication::focusChanged, this, &frmMain::update_status);
  update_status();
  windows_shown_ = true;
  lab_menu_->offer_recovery();
  if (options_.show_tips && frmTip::wanted_at_startup()) show_tip();
  // Once the windows are shown (and the tip, if any, has been closed), keys go to Router 1.
  QTimer::singleShot(0, this, [this] { type_into_console(1); });
}

void frmMain::create_consoles() {
  Simulation& s = sim();
  router_windows_.assign(static_cast<std::size_t>(s.router_count) + 1, nullptr);
  for (int n = 1; n <= s.router_count; ++n) {
    auto* doc = new frmDocument(*session_, n);
    auto* w = new QMdiSubWindow(nullptr, kRouterWindowFlags);
    w->setWidget(doc);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->setWindowTitle(doc->windowTitle());
    w->setWindowIcon(router_icon(n));
    w->setObjectName(QStringLiteral("Router%1").arg(n));
    mdi_->addSubWindow(w);
    w->setWindowFlags(kRouterWindowFlags);  // once in the area, where the flags take effect
    w->show();
    router_windows_[static_cast<std::size_t>(n)] = w;
    connect(doc, &frmDocument::console_focused, this, [this](int k) {
      sim().active_router = k;
      update_status();
    });
  }
}

void frmMain::hide_router_buttons() {
  for (int n = 2; n <= kRouterButtons; ++n) {
    button(QStringLiteral("Router%1").arg(n))->setVisible(n <= sim().number_of_routers);
  }
  for (int n = 1; n <= kFunctionKeys; ++n) {
    command(QStringLiteral("mnuRouter%1").arg(n))->setVisible(n <= sim().number_of_routers);
  }
}

// F1..F12 reach the first twelve routers; the Routers menu lists the others too.
void frmMain::add_routers_past_function_keys() {
  for (int n = kFunctionKeys + 1; n <= sim().number_of_routers; ++n) {
    const QString name = QStringLiteral("mnuRouter%1").arg(n);
    if (commands_.contains(name)) continue;
    QAction* a = add_command(name, tr("Router %1").arg(n), nullptr);
    a->setIcon(router_icon(n));
    connect(a, &QAction::triggered, this, [this, n] { session_->function_key(n); });
    routers_menu_->addAction(a);
  }
}

// The lab stands beside the consoles, but the keyboard belongs to Router 1's console.
void frmMain::open_lab_navigator_at_startup() {
  lab_navigator_ = new frmBrowser(host(), latin1_text(sim().app_path));
  QMdiSubWindow* w = add_browser(lab_navigator_);
  lab_navigator_->navigate(app_page(kLabIndexPage));
  // The right half of the frame, full height.
  const QRect area = mdi_->viewport()->rect();
  const int width = std::max(area.width() * 11 / 20, std::min(area.width(), 480));
  w->setGeometry(area.right() - width + 1, 0, width, area.height());
  w->show();
  type_into_console(1);
  w->raise();  // still in front where it overlaps a console, without taking the keyboard
}

// Makes router n's console the active window with the keyboard focus, keeping its placement.
void frmMain::type_into_console(int n) {
  QMdiSubWindow* w = router_window(n);
  if (!w) return;
  mdi_->setActiveSubWindow(w);
  document(n)->txtin()->setFocus();
  update_status();
}

void frmMain::restore_placement() {
  if (!options_.screenshot.isEmpty()) {
    resize(1280, 800);
    return;
  }
  if (const std::optional<Placement> p = read_placement()) {
    const QRect wanted(p->left, p->top, p->width, p->height);
    for (const QScreen* screen : QGuiApplication::screens()) {
      const QRect seen = screen->availableGeometry().intersected(wanted);
      if (seen.width() >= 120 && seen.height() >= 80) {
        move(wanted.topLeft());
        resize(wanted.size());
        return;
      }
    }
  }
  QRect avail(0, 0, 1280, 800);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) avail = screen->availableGeometry();
  const QSize size(std::min(1200, avail.width() * 9 / 10), std::min(800, avail.height() * 9 / 10));
  resize(size);
  move(avail.center() - QPoint(size.width() / 2, size.height() / 2));
}

// Every way out (File, Exit, the window's close button, Alt+F4) asks the same question.
void frmMain::closeEvent(QCloseEvent* e) {
  if (host().message_box("Exit", "Are you sure?", Buttons::OkCancel) != Answer::Ok) {
    e->ignore();
    return;
  }
  if (!lab_menu_->leave()) return e->ignore();
  if (!isMinimized()) {
    const QRect frame = frameGeometry();
    write_placement({frame.left(), frame.top(), width(), height()});
  }
  if (tip_) tip_->close();
  e->accept();
}

// ---- actions, menus, toolbar ------------------------------------------------------------------

QAction* frmMain::add_command(const QString& name, const QString& text, void (frmMain::*slot)(),
                              const QKeySequence& shortcut) {
  auto* a = new QAction(text, this);
  a->setObjectName(name);
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  if (slot) connect(a, &QAction::triggered, this, slot);
  commands_.insert(name, a);
  return a;
}

void frmMain::build_actions() {
  add_command("mnuFileSaveAs", tr("Save Transcript &As..."), &frmMain::save_transcript_as,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  add_command("mnuFilePrint", tr("&Print..."), &frmMain::print_transcript,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  add_command("mnuFilePageSetup", tr("Page Set&up..."), &frmMain::page_setup);
  add_command("mnuFileOpenTopology", tr("&Open Topology..."), &frmMain::open_topology,
              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_O));
  add_command("mnuFileExit", tr("E&xit"), &frmMain::file_exit);
  add_command("mnuEditCopy", tr("&Copy"), &frmMain::copy_selection,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  add_command("mnuEditPaste", tr("&Paste as Typing"), &frmMain::paste_as_typing,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
  add_command("mnuEditSelectAll", tr("Select &All"), &frmMain::select_all,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));

  QAction* toolbar = add_command("mnuViewToolbar", tr("&Toolbar"), nullptr);
  toolbar->setCheckable(true);
  toolbar->setChecked(true);
  QAction* status = add_command("mnuViewStatusBar", tr("Status &Bar"), nullptr);
  status->setCheckable(true);
  status->setChecked(true);
  add_command("mnuViewWebBrowser", tr("&Web Browser"), &frmMain::view_web_browser);
  add_command("mnuViewHomePage", tr("&Home page"), &frmMain::home_page);
  add_command("mnuViewOptions", tr("&Options..."), &frmMain::show_options);
  add_command("mnuViewDiagram", tr("Network &Diagram"), &frmMain::show_diagram,
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));

  add_command("mnuLabNavigator", tr("&Lab Navigator"), &frmMain::lab_navigator_command);
  add_command("mnuCurrentLab", tr("&Current Lab"), &frmMain::current_lab);
  add_command("mnuTopology", tr("&Topology"), &frmMain::show_topology);
  add_command("mnuCreateTopology", tr("Create T&opology"), &frmMain::create_topology);

  add_command("mnuWindowCascade", tr("&Cascade"), &frmMain::cascade);
  connect(add_command("mnuWindowTileHorizontal", tr("Tile &Horizontal"), nullptr),
          &QAction::triggered, this, [this] { arrange(Tiling::Horizontal); });
  connect(add_command("mnuWindowTileVertical", tr("Tile &Vertical"), nullptr), &QAction::triggered,
          this, [this] { arrange(Tiling::Vertical); });
  add_command("mnuWindowArrange", tr("&Arrange Icons"), &frmMain::arrange_icons);

  add_command("mnuHelpContents", tr("&Contents"), &frmMain::help_contents);
  add_command("mnuHelpSearch", tr("&Search For Help On..."), &frmMain::help_search);
  add_command("mnuHelpTip", tr("&Tip of the Day..."), &frmMain::show_tip);
  add_command("mnuHelpAbout", tr("&About %1...").arg(QString::fromLatin1(kProductTitle)),
              &frmMain::show_about);

  for (int n = 1; n <= kFunctionKeys; ++n) {
    QAction* a = add_command(QStringLiteral("mnuRouter%1").arg(n), tr("Router %1").arg(n), nullptr,
                             QKeySequence(Qt::Key_F1 + n - 1));
    a->setIcon(router_icon(n));
    connect(a, &QAction::triggered, this, [this, n] { session_->function_key(n); });
  }
}

void frmMain::build_menus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  file->addAction(command("mnuFileOpenTopology"));
  file->addSeparator();
  file->addAction(command("mnuFileSaveAs"));
  file->addSeparator();
  file->addAction(command("mnuFilePageSetup"));
  file->addAction(command("mnuFilePrint"));
  file->addSeparator();
  file->addAction(command("mnuFileExit"));

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  edit->addAction(command("mnuEditCopy"));
  edit->addAction(command("mnuEditPaste"));
  edit->addSeparator();
  edit->addAction(command("mnuEditSelectAll"));

  QMenu* view = menuBar()->addMenu(tr("&View"));
  view->addAction(command("mnuViewToolbar"));
  view->addAction(command("mnuViewStatusBar"));
  view->addSeparator();
  view->addAction(command("mnuViewWebBrowser"));
  view->addAction(command("mnuViewHomePage"));
  view->addSeparator();
  view->addAction(command("mnuViewDiagram"));
  view->addSeparator();
  view->addAction(command("mnuViewOptions"));

  QMenu* labs = menuBar()->addMenu(tr("&Labs"));
  labs->setObjectName(QStringLiteral("mnuLabs"));
  labs->addAction(command("mnuLabNavigator"));
  labs->addAction(command("mnuCurrentLab"));
  labs->addAction(command("mnuTopology"));
  labs->addSeparator();
  labs->addAction(command("mnuCreateTopology"));

  routers_menu_ = menuBar()->addMenu(tr("&Routers"));
  for (int n = 1; n <= kFunctionKeys; ++n)
    routers_menu_->addAction(command(QStringLiteral("mnuRouter%1").arg(n)));

  window_menu_ = menuBar()->addMenu(tr("&Window"));
  connect(window_menu_, &QMenu::aboutToShow, this, &frmMain::fill_window_menu);
  fill_window_menu();

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(command("mnuHelpContents"));
  help->addAction(command("mnuHelpSearch"));
  help->addSeparator();
  help->addAction(command("mnuHelpTip"));
  help->addAction(command("mnuHelpAbout"));
}

void frmMain::build_toolbar() {
  tbToolBar_ = addToolBar(tr("Toolbar"));
  tbToolBar_->setObjectName(QStringLiteral("tbToolBar"));
  tbToolBar_->setIconSize(QSize(24, 24));
  tbToolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  tbToolBar_->setMovable(false);
  for (int n = 1; n <= kRouterButtons; ++n) {
    const QString key = QStringLiteral("Router%1").arg(n);
    QAction* a = tbToolBar_->addAction(router_icon(n), tr("Router %1").arg(n));
    a->setObjectName(key);
    a->setToolTip(tr("Router %1 (F%1)").arg(n));
    connect(a, &QAction::triggered, this, [this, n] { session_->function_key(n); });
    buttons_.insert(key, a);
  }
  tbToolBar_->addSeparator();
  const struct {
    const char* key;
    QString text;
    QIcon icon;
    void (frmMain::*slot)();
  } tools[] = {
      {"LabNavigator", tr("Lab Navigator"), lab_navigator_icon(), &frmMain::lab_navigator_command},
      {"CurrentLab", tr("Current Lab"), current_lab_icon(), &frmMain::current_lab},
      {"Topology", tr("Topology"), topology_icon(), &frmMain::show_topology},
      {"Diagram", tr("Diagram"), diagram_icon(), &frmMain::show_diagram},
  };
  for (const auto& t : tools) {
    QAction* a = tbToolBar_->addAction(t.icon, t.text, this, t.slot);
    a->setObjectName(QString::fromLatin1(t.key));
    buttons_.insert(QString::fromLatin1(t.key), a);
  }

  // "Horizontal" tiles at a click; its drop-down arrow offers both arrangements.
  auto* arrangement = new QMenu(this);
  QAction* horizontal = arrangement->addAction(tile_icon(Tiling::Horizontal), tr("Horizontal"));
  horizontal->setObjectName(QStringLiteral("Horizontal"));
  connect(horizontal, &QAction::triggered, this, [this] { arrange(Tiling::Horizontal); });
  QAction* vertical = arrangement->addAction(tile_icon(Tiling::Vertical), tr("Vertical"));
  vertical->setObjectName(QStringLiteral("Vertical"));
  connect(vertical, &QAction::triggered, this, [this] { arrange(Tiling::Vertical); });
  buttons_.insert(QStringLiteral("Vertical"), vertical);

  auto* tile = new QAction(tile_icon(Tiling::Horizontal), tr("Tile"), this);
  tile->setObjectName(QStringLiteral("Horizontal"));
  tile->setToolTip(tr("Tile the windows horizontally"));
  tile->setMenu(arrangement);
  connect(tile, &QAction::triggered, this, [this] { arrange(Tiling::Horizontal); });
  tbToolBar_->addAction(tile);
  if (auto* b = qobject_cast<QToolButton*>(tbToolBar_->widgetForAction(tile))) {
    b->setPopupMode(QToolButton::MenuButtonPopup);
  }
  buttons_.insert(QStringLiteral("Horizontal"), tile);

  connect(command("mnuViewToolbar"), &QAction::toggled, tbToolBar_, &QToolBar::setVisible);
}

void frmMain::build_status_bar() {
  status_router_ = new QLabel(this);
  status_router_->setObjectName(QStringLiteral("statusRouter"));
  status_clock_ = new QLabel(this);
  statusBar()->addWidget(status_router_, 1);
  statusBar()->addPermanentWidget(status_clock_);
  connect(command("mnuViewStatusBar"), &QAction::toggled, statusBar(), &QStatusBar::setVisible);
  connect(&status_timer_, &QTimer::timeout, this, &frmMain::update_status);
  build_clock_controls();
}

// Whether this window's keyboard focus is in a router's console.
bool frmMain::typing_into_console() const {
  for (QWidget* w = focusWidget(); w; w = w->parentWidget())
    if (qobject_cast<frmDocument*>(w)) return true;
  return false;
}

void frmMain::update_status() {
  const Simulation& s = session_->sim();
  if (s.number_of_routers > 0 && typing_into_console()) {
    status_router_->setText(
        tr("Typing into Router %1 of %2 - F1 to F12 or the Routers menu switch routers")
            .arg(s.active_router)
            .arg(s.number_of_routers));
  } else if (s.number_of_routers > 0) {
    status_router_->setText(
        tr("Not typing into a router - click a console, press F1 to F12 or use the Routers menu"));
  } else {
    status_router_->setText(tr("No routers: the topology file has none"));
  }
  const std::string_view behaviour = behaviour_name(s.behaviour);
  status_clock_->setText(
      tr("Up %1 · %2")
          .arg(clock_text(s.sim_clock))
          .arg(QString::fromLatin1(behaviour.data(), static_cast<qsizetype>(behaviour.size()))));
}

void frmMain::fill_window_menu() {
  window_menu_->clear();
  qDeleteAll(window_menu_->findChildren<QActionGroup*>(Qt::FindDirectChildrenOnly));
  window_menu_->addAction(command("mnuWindowCascade"));
  window_menu_->addAction(command("mnuWindowTileHorizontal"));
  window_menu_->addAction(command("mnuWindowTileVertical"));
  window_menu_->addAction(command("mnuWindowArrange"));
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
  if (windows.isEmpty()) return;
  window_menu_->addSeparator();
  auto* group = new QActionGroup(window_menu_);
  int i = 0;
  for (QMdiSubWindow* w : windows) {
    if (w->isHidden()) continue;
    ++i;
    const QString text =
        i < 10 ? QStringLiteral("&%1 %2").arg(i).arg(w->windowTitle()) : w->windowTitle();
    QAction* a = window_menu_->addAction(text);
    a->setCheckable(true);
    a->setChecked(w == mdi_->activeSubWindow());
    group->addAction(a);
    connect(a, &QAction::triggered, this, [this, w] {
      w->show();
      mdi_->setActiveSubWindow(w);
    });
  }
}

// ---- windows ----------------------------------------------------------------------------------

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

// ---- dialogs ---------------------------------------------------------------------------------

void frmMain::show_options() {
  frmOptions dialog(sim(), this);
  dialog.exec();
  session_->lab().set_default_behaviour(default_behaviour_setting());
}

void frmMain::show_about() {
  frmAbout dialog(host(), this);
  dialog.exec();
}

void frmMain::show_tip() {
  if (tip_) {
    tip_->raise();
    tip_->activateWindow();
    return;
  }
  tip_ = new frmTip(host(), sim().app_path, this);
  tip_->setAttribute(Qt::WA_DeleteOnClose);
  connect(tip_, &QObject::destroyed, this, [this] { tip_ = nullptr; });
  tip_->show();
}

void frmMain::help_contents() {
  host().message_box(kAppTitle,
                     "Unable to display Help Contents. There is no Help associated with this "
                     "project.",
                     Buttons::Ok);
}

void frmMain::help_search() {
  host().message_box(kAppTitle,
                     "Unable to display Help Contents. A help file is currently in production.",
                     Buttons::Ok);
}

// close() asks "Are you sure?" (closeEvent), as every other way out does.
void frmMain::file_exit() {
  close();
}

}  // namespace zorva::ui
