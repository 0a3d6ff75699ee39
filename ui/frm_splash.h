// `frmSplash`, the window shown while the simulator starts. Loading it deletes the error log of the
// previous run, so that "zorva.log" holds only the lines of this run.
#pragma once

#include <QWidget>

namespace zorva {
class ErrorLog;
}

namespace zorva::ui {

class frmSplash : public QWidget {
  Q_OBJECT

 public:
  frmSplash(ErrorLog& log, const QString& version_text, QWidget* parent = nullptr);

  // Shows the window and lets it paint before start-up goes on.
  void show_now();

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QString version_text_;  // shown under the title
};

}  // namespace zorva::ui
