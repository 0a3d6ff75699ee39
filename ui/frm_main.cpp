// frmMain: the main window: its parts, the start-up, the consoles of a new network, where the
// window is placed, leaving, and the dialogs of the View and Help menus.
#include "ui/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

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
#include "ui/lab_menu.h"
#include "ui/toolbar_icons.h"

namespace zorva::ui {

namespace {

// Router windows have a title and minimise and maximise buttons, but no close button and no
// system menu with a Close command.
constexpr Qt::WindowFlags kRouterWindowFlags =
    Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint;

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
  hide_router_buttons();
  add_routers_past_function_keys();
  open_lab_navigator_at_startup();
  arrange(Tiling::Horizontal);
  type_into_console(1);
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

// The Lab Navigator on the lab index; start-up then lays it out beside the consoles.
void frmMain::open_lab_navigator_at_startup() {
  lab_navigator_ = new frmBrowser(host(), latin1_text(sim().app_path));
  QMdiSubWindow* w = add_browser(lab_navigator_);
  lab_navigator_->navigate(app_page(kLabIndexPage));
  w->show();
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
  if (!options_.screenshot.isEmpty()) {  // the picture shows a window filling the screen
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      setGeometry(screen->availableGeometry());
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
  // On a small screen the consoles' 80 columns and the lab beside them need all of it.
  const QSize size = avail.width() < 1280 ? avail.size()
                                          : QSize(std::min(1200, avail.width() * 9 / 10),
                                                  std::min(800, avail.height() * 9 / 10));
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