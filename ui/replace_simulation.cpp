// frmMain::replace_simulation: another network in the same frame. The console windows are views
// of the old simulation's consoles, so they go first; then the old simulation, then the new
// routers' consoles, buttons and menu items take their place.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "simulation/simulation.h"
#include "ui/core_session.h"
#include "ui/frm_document.h"
#include "ui/frm_main.h"

namespace zorva::ui {

namespace {
constexpr int kFirstRouterPastFunctionKeys = 13;  // F1..F12 reach routers 1..12
}

void frmMain::replace_simulation(std::unique_ptr<Simulation> next) {
  close_simulation_windows();  // the consoles and the diagram belong to the old routers
  session_->replace(std::move(next)).reset();
  create_consoles();
  hide_router_buttons();
  add_routers_past_function_keys();
  // Items added for a larger network before stay for a later one, shown only when it has them.
  for (int n = kFirstRouterPastFunctionKeys;
       QAction* a = command(QStringLiteral("mnuRouter%1").arg(n)); ++n)
    a->setVisible(n <= sim().number_of_routers);
  arrange(Tiling::Vertical);
  if (QMdiSubWindow* first = router_window(1)) first->showNormal();
  type_into_console(1);
}

}  // namespace zorva::ui
