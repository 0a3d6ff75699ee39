// `frmCheckResults`, the checklist of Check My Work: one row per check with a tick or a cross, the
// check as its file writes it and, for a cross, what was found instead; the count above.
#pragma once

#include <QDialog>

#include "lab/check_run.h"

class QLabel;
class QTreeWidget;

namespace zorva::ui {

class frmCheckResults : public QDialog {
  Q_OBJECT

 public:
  frmCheckResults(const QString& check_file, const CheckReport& report, QWidget* parent = nullptr);

  QTreeWidget* list() const { return list_; }
  QLabel* summary() const { return summary_; }

 private:
  QTreeWidget* list_ = nullptr;
  QLabel* summary_ = nullptr;
};

}  // namespace zorva::ui
