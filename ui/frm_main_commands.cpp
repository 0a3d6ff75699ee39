// frmMain: the commands of the main window: the menu actions with their shortcut keys, the menu
// bar, the toolbar's router, lab and arrangement buttons, and the Window menu's list of windows.
#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "ui/app_title.h"
#include "ui/core_session.h"
#include "ui/frm_main.h"
#include "ui/toolbar_icons.h"

namespace zorva::ui {

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

}  // namespace zorva::ui
