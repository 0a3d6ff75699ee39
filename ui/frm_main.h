// `frmMain`, the main window: a multiple-document frame holding one console window per router and
// the lab browser windows, with the toolbar (`tbToolBar`), the menus and the status bar. It runs
// the start-up (splash, topology chooser, the core's start, caption, consoles, toolbar buttons,
// Lab Navigator, focus) and keeps no simulation logic of its own: its commands switch consoles,
// open the lab pages, arrange the windows and confirm leaving.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <vector>

#include "ui/start_options.h"
#include "ui/window_arrangement.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;

namespace zorva {
class Simulation;
}

namespace zorva::ui {

class BrowserWindow;
class CoreSession;
class LabMenu;
class QtHost;
class frmBrowser;
class frmDiagram;
class frmDocument;
class frmTip;
class frmTopologyBrowser;

inline constexpr int kRouterButtons = 7;    // toolbar buttons "Router1" .. "Router7"
inline constexpr int kFunctionKeys = 12;    // F1 .. F12 reach the first twelve routers
inline constexpr int kConsoleColumns = 80;  // a console shows report lines this wide unwrapped

class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmMain(StartOptions options, QWidget* parent = nullptr);
  ~frmMain() override;

  // The start-up sequence; returns when the main window is on screen.
  void start_up();

  CoreSession& session() { return *session_; }
  Simulation& sim();
  QtHost& host();

  QMdiArea* mdi_area() const { return mdi_; }
  frmDocument* document(int n) const;         // router n's console, or nullptr
  QMdiSubWindow* router_window(int n) const;  // its MDI window, or nullptr
  frmDocument* active_document() const;       // the console the File and Edit menus act on
  frmBrowser* lab_navigator() const { return lab_navigator_; }
  frmTopologyBrowser* topology_browser() const { return topology_browser_; }
  QMdiSubWindow* browser_window(BrowserWindow* b) const;
  QToolBar* toolbar() const { return tbToolBar_; }
  QAction* button(const QString& key) const { return buttons_.value(key); }      // toolbar, by key
  QAction* command(const QString& name) const { return commands_.value(name); }  // menu, by name
  frmTip* tip_window() const { return tip_; }
  frmDiagram* diagram() const { return diagram_; }  // the network diagram, while open
  QMdiSubWindow* diagram_window() const { return diagram_window_; }
  LabMenu* lab_menu() const { return lab_menu_; }

 public slots:
  void activate_router(int n);   // activate router n's console and maximise it
  void lab_navigator_command();  // the new-lab question, then the lab index
  void current_lab();
  void show_topology();
  void arrange(Tiling tiling);
  void cascade();
  void arrange_icons();
  void view_web_browser();
  void home_page();
  void show_options();
  void show_about();
  void show_tip();
  void help_contents();
  void help_search();
  void create_topology();  // the topology editor
  void show_diagram();
  void open_topology();  // File, Open Topology...: asks for a file
  // Replaces the running lab by one on the topology `file` (a changed lab is offered to be saved
  // first); false when the user gave up or the file cannot be opened. Every window of the old
  // simulation is closed.
  bool open_topology_file(const QString& file);
  void file_exit();
  void save_transcript_as();
  void print_transcript();
  void page_setup();
  void copy_selection();
  void paste_as_typing();
  void select_all();
  // Types `text` into router n's console: line breaks as Enter, other characters as themselves.
  void type_text(int n, const QString& text);

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void build_actions();
  void build_menus();
  void build_toolbar();
  void build_status_bar();
  void build_clock_controls();
  void close_simulation_windows();
  void show_routers();  // consoles, buttons and menu items of the simulation in use
  // The lab session's hooks: the old simulation's windows go, the new one's come.
  void connect_lab_session();
  void simulation_arrived();
  bool windows_shown_ = false;  // start-up has made the consoles: a new simulation replaces them
  void show_loaded_topology(frmTopologyBrowser* b);
  QAction* add_command(const QString& name, const QString& text, void (frmMain::*slot)(),
                       const QKeySequence& shortcut = {});
  void create_consoles();
  void hide_router_buttons();
  void add_routers_past_function_keys();
  void type_into_console(int n);
  bool typing_into_console() const;
  void open_lab_navigator_at_startup();
  void restore_placement();
  void show_browser(QMdiSubWindow* w);
  bool is_side_window(const QMdiSubWindow* w) const;  // the Lab Navigator or the Topology page
  QRect lab_column() const;  // where the lab pages stand beside the consoles
  frmTopologyBrowser* ensure_topology_browser();
  QMdiSubWindow* add_browser(BrowserWindow* b);
  std::vector<QMdiSubWindow*> arrangeable_windows() const;
  void window_activated(QMdiSubWindow* w);
  void fill_window_menu();
  void update_status();
  QUrl app_page(const char* page) const;
  QPrinter* printer();

  StartOptions options_;                            // how the program was started
  std::unique_ptr<CoreSession> session_;            // the core; outlives every console window
  QMdiArea* mdi_ = nullptr;                         // the frame's client area
  std::vector<QMdiSubWindow*> router_windows_;      // [n] = router n's window; [0] unused
  frmBrowser* lab_navigator_ = nullptr;             // `frmBrowser`
  frmTopologyBrowser* topology_browser_ = nullptr;  // made on first use
  QToolBar* tbToolBar_ = nullptr;                   // router buttons, labs, arrangement
  QHash<QString, QAction*> buttons_;   // toolbar buttons by key ("Router1", "LabNavigator", ...)
  QHash<QString, QAction*> commands_;  // menu commands by name ("mnuFileExit", ...)
  QMenu* window_menu_ = nullptr;       // Window, with the list of open windows
  QMenu* routers_menu_ = nullptr;      // Routers: every router of the topology
  QLabel* status_router_ = nullptr;    // which console is active
  QLabel* status_clock_ = nullptr;     // the simulated clock
  QTimer status_timer_;                // refreshes the status bar
  frmTip* tip_ = nullptr;              // the tip of the day, while shown
  std::unique_ptr<QPrinter> printer_;  // kept so Page Setup carries over to Print
  frmDiagram* diagram_ = nullptr;      // the network diagram, made on first use
  QMdiSubWindow* diagram_window_ = nullptr;
  LabMenu* lab_menu_ = nullptr;  // File's lab commands, Check My Work, the recovery file
};

}  // namespace zorva::ui
