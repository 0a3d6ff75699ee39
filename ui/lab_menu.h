// The lab commands of the desktop: File › Open Lab…, Save Lab, Save Lab As…, Labs › Check My Work,
// the offer to save when leaving with changes, and the recovery file written every minute while
// the lab changed. A lab "changed" when a key was typed into a console since it was last saved or
// opened.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "ui/frm_check_results.h"

class QAction;

namespace zorva::ui {

class frmMain;

class LabMenu : public QObject {
  Q_OBJECT

 public:
  static constexpr int kRecoveryIntervalMs = 60 * 1000;
  // Asks for a file name: `save` chooses between a save and an open dialog; "" for none.
  using FileChooser = std::function<QString(bool save, const QString& suggested)>;

  explicit LabMenu(frmMain& main);

  QAction* open_action() const { return open_; }
  QAction* save_action() const { return save_; }
  QAction* save_as_action() const { return save_as_; }
  QAction* check_action() const { return check_; }

  // Replaces the file dialogs (tests name the file themselves).
  void set_file_chooser(FileChooser f) { choose_ = std::move(f); }

  // Opens `file` in place of the running lab; a file that cannot be opened is said and changes
  // nothing. Returns whether it was opened.
  bool open_file(const QString& file);
  // Saves to `file`, which becomes the lab's file. Returns whether it was saved.
  bool save_to(const QString& file);
  bool save();     // to the lab's file, asking for one the first time
  bool save_as();  // asks for a file name
  void check_my_work();

  bool changed() const;
  QString file() const { return file_; }
  frmCheckResults* results() const { return results_; }

  // The exit question's addition: with changes, whether to save them first. False: stay.
  bool leave();
  // At start-up: a recovery file left by a run that ended without its exit offers to restore it.
  void offer_recovery();
  // Writes the recovery file when the lab changed since it was last written.
  void write_recovery();
  // Where the recovery file goes: the per-user configuration folder.
  static QString recovery_file();

 private:
  QString check_file_of_current_page() const;

  frmMain& main_;
  QAction* open_ = nullptr;
  QAction* save_ = nullptr;
  QAction* save_as_ = nullptr;
  QAction* check_ = nullptr;
  FileChooser choose_;                   // the file dialogs, unless replaced
  QString file_;                         // the lab's file, "" until saved or opened
  std::uint64_t saved_changes_ = 0;      // the session's change count when last saved
  std::uint64_t recovered_changes_ = 0;  // ... when the recovery file was last written
  bool restored_ = false;                // holds a restored lab that was never saved
  QTimer recovery_timer_;                // every kRecoveryIntervalMs of real time
  QPointer<frmCheckResults> results_;    // the last checklist shown
};

}  // namespace zorva::ui
