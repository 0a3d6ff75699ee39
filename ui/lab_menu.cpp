// LabMenu: lab files, Check My Work and the recovery file on the desktop.
#include "ui/lab_menu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>

#include "lab/check_file.h"
#include "lab/check_run.h"
#include "lab/lab_file.h"
#include "simulation/simulation.h"
#include "ui/app_title.h"
#include "ui/core_session.h"
#include "ui/frm_browser.h"
#include "ui/frm_check_results.h"
#include "ui/frm_main.h"

namespace zorva::ui {

namespace {

const char* const kLabFilter = "Zorva lab (*.zlab *.json)";
const char* const kRecoveryName = "recovery.zlab";

std::filesystem::path to_path(const QString& file) {
  return std::filesystem::path(file.toStdString());
}

QAction* new_action(QObject* parent, const QString& name, const QString& text,
                    const QKeySequence& shortcut = {}) {
  auto* a = new QAction(text, parent);
  a->setObjectName(name);
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  return a;
}

}  // namespace

LabMenu::LabMenu(frmMain& main) : QObject(&main), main_(main) {
  setObjectName(QStringLiteral("labMenu"));
  open_ = new_action(&main, QStringLiteral("mnuFileOpenLab"), tr("&Open Lab..."),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
  save_ = new_action(&main, QStringLiteral("mnuFileSaveLab"), tr("Save &Lab"),
                     QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
  save_as_ = new_action(&main, QStringLiteral("mnuFileSaveLabAs"), tr("Save La&b As..."));
  check_ = new_action(&main, QStringLiteral("mnuLabsCheckMyWork"), tr("Check My &Work"));
  connect(open_, &QAction::triggered, this, [this] {
    const QString f = choose_(false, file_);
    if (!f.isEmpty()) open_file(f);
  });
  connect(save_, &QAction::triggered, this, [this] { save(); });
  connect(save_as_, &QAction::triggered, this, [this] { save_as(); });
  connect(check_, &QAction::triggered, this, &LabMenu::check_my_work);

  // Added before the transcript commands of File, and after Current Lab in Labs.
  if (auto* file = main.findChild<QMenu*>(QStringLiteral("mnuFile"))) {
    QAction* first = file->actions().value(0);
    file->insertActions(first, {open_, save_, save_as_});
    file->insertSeparator(first);
  }
  if (auto* labs = main.findChild<QMenu*>(QStringLiteral("mnuLabs"))) {
    labs->insertAction(main.command(QStringLiteral("mnuTopology")), check_);
  }

  choose_ = [this](bool save, const QString& suggested) {
    const QString start = suggested.isEmpty() ? QDir::homePath() : suggested;
    return save ? QFileDialog::getSaveFileName(&main_, tr("Save Lab As"), start, tr(kLabFilter))
                : QFileDialog::getOpenFileName(&main_, tr("Open Lab"), start, tr(kLabFilter));
  };

  recovery_timer_.setInterval(kRecoveryIntervalMs);
  connect(&recovery_timer_, &QTimer::timeout, this, &LabMenu::write_recovery);
  recovery_timer_.start();
}

bool LabMenu::changed() const {
  return restored_ || main_.session().changes() != saved_changes_;
}

bool LabMenu::open_file(const QString& file) {
  CoreSession& s = main_.session();
  OpenedLab lab = open_lab_file(to_path(file), s.host(), s.paths());
  if (!lab.sim) {
    s.host().message_box(kAppTitle,
                         tr("Cannot open %1: %2")
                             .arg(QDir::toNativeSeparators(file), QString::fromStdString(lab.error))
                             .toStdString(),
                         Buttons::Ok);
    return false;
  }
  main_.replace_simulation(std::move(lab.sim));
  file_ = file;
  restored_ = false;
  saved_changes_ = recovered_changes_ = s.changes();
  return true;
}

bool LabMenu::save_to(const QString& file) {
  CoreSession& s = main_.session();
  const std::string error = save_lab(s.sim(), to_path(file), true);
  if (!error.empty()) {
    s.host().message_box(kAppTitle, error, Buttons::Ok);
    return false;
  }
  file_ = file;
  restored_ = false;
  saved_changes_ = s.changes();
  return true;
}

bool LabMenu::save() {
  return file_.isEmpty() ? save_as() : save_to(file_);
}

bool LabMenu::save_as() {
  QString f = choose_(true, file_);
  if (f.isEmpty()) return false;
  if (QFileInfo(f).suffix().isEmpty()) f += QStringLiteral(".zlab");
  return save_to(f);
}

// A lab page names its check file in <meta name="zorva-checks" content="FILE">; otherwise a
// .checks file of the page's own name beside it is used.
QString LabMenu::check_file_of_current_page() const {
  frmBrowser* nav = main_.lab_navigator();
  if (!nav) return {};
  const QUrl url = nav->current_url();
  if (!url.isLocalFile()) return {};
  const QFileInfo page(url.toLocalFile());
  QFile f(page.filePath());
  if (f.open(QIODevice::ReadOnly)) {
    static const QRegularExpression meta(
        QStringLiteral(R"re(<meta\s+name\s*=\s*"zorva-checks"\s+content\s*=\s*"([^"]+)")re"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = meta.match(QString::fromLatin1(f.readAll()));
    if (m.hasMatch()) return page.dir().absoluteFilePath(m.captured(1));
  }
  const QString beside = page.dir().absoluteFilePath(page.completeBaseName() + ".checks");
  return QFileInfo::exists(beside) ? beside : QString();
}

void LabMenu::check_my_work() {
  CoreSession& s = main_.session();
  const QString file = check_file_of_current_page();
  if (file.isEmpty()) {
    s.host().message_box(kAppTitle,
                         "The page in the Lab Navigator has no checks. Open the page of your "
                         "lab there (Labs, Current Lab) and choose Check My Work again.",
                         Buttons::Ok);
    return;
  }
  std::vector<Check> checks;
  if (const std::optional<CheckFileError> e = read_check_file(file.toStdString(), checks)) {
    const QString where = e->line_number > 0 ? tr(", line %1").arg(e->line_number) : QString();
    s.host().message_box(
        kAppTitle,
        tr("The check file %1%2: %3")
            .arg(QDir::toNativeSeparators(file), where, QString::fromStdString(e->message))
            .toStdString(),
        Buttons::Ok);
    return;
  }
  const CheckReport report = check_lab(s.sim(), checks, s.paths().app_dir);
  if (results_) results_->close();
  results_ = new frmCheckResults(file, report, &main_);
  results_->setAttribute(Qt::WA_DeleteOnClose);
  results_->show();
}

bool LabMenu::leave() {
  if (changed()) {
    const Answer a = main_.session().host().message_box(
        "Exit", "The lab has changed since it was last saved. Save it before leaving?",
        Buttons::YesNoCancel);
    if (a == Answer::Cancel) return false;
    if (a == Answer::Yes && !save()) return false;
  }
  recovery_timer_.stop();
  QFile::remove(recovery_file());  // a clean exit: nothing to recover next time
  return true;
}

QString LabMenu::recovery_file() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
      .filePath(QString::fromLatin1(kRecoveryName));
}

void LabMenu::write_recovery() {
  CoreSession& s = main_.session();
  if (s.changes() == recovered_changes_) return;
  const QString file = recovery_file();
  QDir().mkpath(QFileInfo(file).absolutePath());
  if (save_lab(s.sim(), to_path(file), true).empty()) recovered_changes_ = s.changes();
}

void LabMenu::offer_recovery() {
  const QString file = recovery_file();
  if (!QFileInfo::exists(file)) return;
  const Answer a = main_.session().host().message_box(
      kAppTitle,
      "Zorva did not close normally last time. Restore the lab as it was at its last recovery "
      "save (at most a minute before)?",
      Buttons::YesNoCancel);
  if (a != Answer::Yes) {
    // Set aside rather than deleted, in case the answer was a slip: the next recovery save
    // would overwrite it otherwise.
    const QString old = file + QStringLiteral(".old");
    QFile::remove(old);
    QFile::rename(file, old);
    return;
  }
  if (!open_file(file)) return;
  file_.clear();     // the recovery file is not the student's file: Save asks for a name
  restored_ = true;  // and leaving offers to save it
}

}  // namespace zorva::ui
