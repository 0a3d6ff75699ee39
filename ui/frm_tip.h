// `frmTip`, the tip-of-the-day window: one random line of TIPOFDAY.TXT, a "Next Tip" button and
// the "Show Tips at Startup" check box, which is stored the moment it is clicked.
#pragma once

#include <QDialog>
#include <string>

#include "ui/tip_list.h"

class QCheckBox;
class QLabel;

namespace zorva {
class Host;
}

namespace zorva::ui {

class frmTip : public QDialog {
  Q_OBJECT

 public:
  // Reads the tips from `app_path` + "TIPOFDAY.TXT"; the random numbers come from `host`.
  frmTip(Host& host, const std::string& app_path, QWidget* parent = nullptr);

  // Whether the window is to be shown at start-up at all.
  static bool wanted_at_startup();

  QLabel* tip_label() const { return lblTipText_; }
  QCheckBox* show_at_startup() const { return chkLoadTipsAtStartup_; }
  const TipList& tips() const { return tips_; }

 public slots:
  void next_tip();

 private:
  bool LoadTips(const std::string& path);
  void DisplayCurrentTip();

  Host& host_;                                 // boxes, random numbers and launching
  TipList tips_;                               // `Tips` and `CurrentTip`
  QLabel* lblTipText_ = nullptr;               // the tip on show
  QCheckBox* chkLoadTipsAtStartup_ = nullptr;  // "Show Tips at Startup"
};

}  // namespace zorva::ui
