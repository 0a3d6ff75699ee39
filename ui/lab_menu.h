// The lab commands of the desktop: File › Open Lab…, Save Lab, Save Lab As…, Your Name…, Export
// Lab Bundle…, Labs › Check My Work, and the recovery offer at start. A lab that came with its
// own page (a bundle) shows it in the Lab Navigator, and Check My Work runs its practice checks.
// What they do to the lab (the offer to save a changed lab, where saves go, the recovery copy) is
// the core's LabSession; this class gives it menus and dialogs.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

#include "ui/frm_check_results.h"

class QAction;

namespace zorva::ui {

class frmMain;

class LabMenu : public QObject {
  Q_OBJECT

 public:
  // Asks for a file name: `save` chooses between a save and an open dialog; "" for none.
  using FileChooser = std::function<QString(bool save, const QString& suggested)>;
  // Asks for a line of text, `current` to keep or edit; nothing when the user gave up.
  using TextChooser =
      std::function<std::optional<QString>(const QString& question, const QString& current)>;
  // Asks for the files of a bundle: the page, the practice checks ("" for none) and the bundle
  // to write; nothing when the user gave up.
  struct BundleFiles {
    QString page, checks, out;
  };
  using BundleChooser = std::function<std::optional<BundleFiles>()>;

  explicit LabMenu(frmMain& main);

  QAction* open_action() const { return open_; }
  QAction* save_action() const { return save_; }
  QAction* save_as_action() const { return save_as_; }
  QAction* check_action() const { return check_; }
  QAction* export_action() const { return export_; }
  QAction* student_action() const { return student_; }

  // Replaces the file dialogs (tests name the file themselves).
  void set_file_chooser(FileChooser f) { choose_ = std::move(f); }
  // The save dialog, proposing `suggested`; "" when the user gave up.
  QString choose_save_file(const QString& suggested) const { return choose_(true, suggested); }
  void set_text_chooser(TextChooser f) { choose_text_ = std::move(f); }
  std::optional<QString> choose_text(const QString& question, const QString& current) const {
    return choose_text_(question, current);
  }
  void set_bundle_chooser(BundleChooser f) { choose_bundle_ = std::move(f); }

  // Asks for the files and makes the bundle from the running lab; says what came of it.
  bool export_bundle();
  // The running lab's own page in the Lab Navigator, when it has one.
  void show_lab_page();

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
  QAction* export_ = nullptr;
  QAction* student_ = nullptr;
  FileChooser choose_;                 // the file dialogs, unless replaced
  TextChooser choose_text_;            // the text question, unless replaced
  BundleChooser choose_bundle_;        // the bundle's file dialogs, unless replaced
  QPointer<frmCheckResults> results_;  // the last checklist shown
};

}  // namespace zorva::ui
