// `frmBrowser`, the Lab Navigator: the browser window that shows the lab pages beside the
// consoles. Its caption stays "Lab Navigator" whatever page it shows, so it is easy to find.
#pragma once

#include "ui/browser_window.h"

namespace zorva::ui {

inline constexpr const char* kLabIndexPage = "labs/ccna_home.htm";

class frmBrowser : public BrowserWindow {
  Q_OBJECT

 public:
  frmBrowser(Host& host, const QString& app_dir, QWidget* parent = nullptr);

 protected:
  QString caption_after_load() const override;
};

}  // namespace zorva::ui
