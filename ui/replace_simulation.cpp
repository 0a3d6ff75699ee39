// frmMain::replace_simulation: another network in the same frame (a lab opened, or another
// topology). The console windows are views of the old simulation's consoles, so they go first;
// then the old simulation, then the new routers' consoles, buttons and menu items take their place.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "simulation/simulation.h"
#include "ui/core_session.h"
#include "ui/frm_document.h"
#include "ui/frm_main.h"

namespace zorva::ui {

void frmMain::replace_simulation(std::unique_ptr<Simulation> next) {
  close_simulation_windows();  // the consoles and the diagram belong to the old routers
  session_->replace(std::move(next)).reset();
  show_routers();
  if (router_window(1)) type_into_console(1);
}

void frmMain::show_routers() {
  create_consoles();
  hide_router_buttons();
  add_routers_past_function_keys();
  arrange(Tiling::Vertical);
  if (QMdiSubWindow* first = router_window(1)) first->showNormal();
}

}  // namespace zorva::ui
