// `frmTopologyBrowser`, the window with the picture of the current topology. Its caption is the
// name of the page it shows.
#pragma once

#include "ui/browser_window.h"

namespace zorva::ui {

inline constexpr const char* kTopologyPage = "labs/topology.htm";

class frmTopologyBrowser : public BrowserWindow {
  Q_OBJECT

 public:
  frmTopologyBrowser(Host& host, const QString& app_dir, QWidget* parent = nullptr);
};

}  // namespace zorva::ui
