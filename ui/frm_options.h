// `frmOptions`, the options dialog: a tab strip whose pages describe the simulator's set-up and
// hold the settings a student chooses (the consoles' font size, the behaviour of new labs), each
// kept as soon as it is chosen; Ctrl+Tab and Ctrl+Shift+Tab to move between the tabs with
// wrap-around, and OK, Cancel and Apply.
#pragma once

#include <QDialog>

class QTabWidget;

namespace zorva {
class Simulation;
}

namespace zorva::ui {

class frmOptions : public QDialog {
  Q_OBJECT

 public:
  explicit frmOptions(Simulation& sim, QWidget* parent = nullptr);

  QTabWidget* tabs() const { return tbsOptions_; }

  // Moves to the next (+1) or previous (-1) tab, wrapping at the ends.
  void step_tab(int direction);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void show_page(int index);  // shows and enables one page, hides and disables the others
  void apply();
  void ok();

  Simulation& sim_;                   // the facts the pages show, and the host for the boxes
  QTabWidget* tbsOptions_ = nullptr;  // one page (`picOptions`) per tab
};

}  // namespace zorva::ui
