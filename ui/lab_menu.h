// The lab commands of the desktop: File › Open Lab…, Save Lab, Save Lab As…, Labs › Check My Work,
// and the recovery offer at start. What they do to the lab (the offer to save a changed lab, where
// saves go, the recovery copy) is the core's LabSession; this class gives it menus and dialogs.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "ui/frm_check_results.h"

class QAction;

namespace zorva::ui {

class frmMain;

class LabMenu : public QObject {
  Q_OBJECT

 public:
  // Asks for a file name: `save` chooses between a save and an open dialog; "" for none.
  using FileChooser = std::function<QString(bool save, const QString& suggested)>;

  explicit LabMenu(frmMain& main);

  QAction* open_action() const { return open_; }
  QAction* save_action() const { return save_; }
  QAction* save_as_action() const { return save_as_; }
  QAction* check_action() const { return check_; }

  // Replaces the file dialogs (tests name the file themselves).
  void set_file_chooser(FileChooser f) { choose_ = std::move(f); }
  // The save dialog, proposing `suggested`; "" when the user gave up.
  QString choose_save_file(const QString& suggested) const { return choose_(true, suggested); }

  // Opens `file` in place of the running lab; a file that cannot be opened is said and changes
  // nothing. Returns whether it was opened.
  bool open_file(const QString& file);
  // Saves to `file`, which becomes the lab's file. Returns whether it was saved.
  bool save_to(const QString& file);
  bool save();     // to the lab's file, asking for one the first time
  bool save_as();  // asks for a file name
  void check_my_work();

  bool changed() const;
  QString file() const;
  frmCheckResults* results() const { return results_; }

  // The exit question's addition: with changes, whether to save them first. False: stay.
  bool leave();
  // At start-up: a recovery copy left by a run that ended without its exit offers to restore it.
  void offer_recovery();
  // Writes the recovery copy when the lab changed since it was last written.
  void write_recovery();
  // This program's recovery copy, in the per-user configuration folder.
  static QString recovery_file();

 private:
  QString check_file_of_current_page() const;

  frmMain& main_;
  QAction* open_ = nullptr;
  QAction* save_ = nullptr;
  QAction* save_as_ = nullptr;
  QAction* check_ = nullptr;
  FileChooser choose_;                 // the file dialogs, unless replaced
  QPointer<frmCheckResults> results_;  // the last checklist shown
};

}  // namespace zorva::ui
