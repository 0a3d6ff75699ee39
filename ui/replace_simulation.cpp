// The lab session's hooks in the main window: another network in the same frame (a lab opened,
// another topology, a recovered lab). The console windows are views of the old simulation's
// consoles, so they go first; then the new routers' consoles, buttons and menu items take their
// place.
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

#include "simulation/simulation.h"
#include "ui/console_text.h"
#include "ui/core_session.h"
#include "ui/frm_document.h"
#include "ui/frm_main.h"
#include "ui/frm_topology_browser.h"
#include "ui/lab_menu.h"

namespace zorva::ui {

void frmMain::connect_lab_session() {
  CoreSession::Hooks hooks;
  hooks.leaving = [this] { close_simulation_windows(); };
  hooks.arrived = [this] { simulation_arrived(); };
  hooks.ask_file =
      [this](const std::filesystem::path& suggested) -> std::optional<std::filesystem::path> {
    const QString f = lab_menu_->choose_save_file(QString::fromStdString(suggested.string()));
    if (f.isEmpty()) return std::nullopt;
    return std::filesystem::path(f.toStdString());
  };
  hooks.ask_text = [this](const std::string& question,
                          const std::string& current) -> std::optional<std::string> {
    const std::optional<QString> text =
        lab_menu_->choose_text(QString::fromStdString(question), latin1_text(current));
    if (!text) return std::nullopt;
    return text->toLatin1().toStdString();
  };
  hooks.tell = [this](const std::string& text) {
    statusBar()->showMessage(QString::fromStdString(text), 8000);
  };
  session_->set_hooks(std::move(hooks));
}

void frmMain::simulation_arrived() {
  if (!windows_shown_) return;  // start-up makes the first consoles itself
  show_routers();
  if (topology_browser_ && browser_window(topology_browser_)->isVisible())
    show_loaded_topology(topology_browser_);
  update_status();
  lab_menu_->show_lab_page();
  if (router_window(1)) type_into_console(1);
}

void frmMain::show_routers() {
  create_consoles();
  hide_router_buttons();
  add_routers_past_function_keys();
  arrange(Tiling::Horizontal);  // in rows beside the lab, each wide enough for a report
}

}  // namespace zorva::ui
