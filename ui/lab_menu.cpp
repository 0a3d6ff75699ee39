// LabMenu: lab files, Check My Work and the recovery file on the desktop.
#include "ui/lab_menu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>
#include <sstream>

#include "lab/check_file.h"
#include "lab/check_run.h"
#include "lab/lab_bundle.h"
#include "lab/lab_file.h"
#include "lab/lab_session.h"
#include "lab/recovery_files.h"
#include "simulation/simulation.h"
#include "ui/app_title.h"
#include "ui/core_session.h"
#include "ui/frm_browser.h"
#include "ui/frm_check_results.h"
#include "ui/frm_main.h"

namespace zorva::ui {

namespace {

const char* const kLabFilter = "Zorva lab (*.zlab *.json)";
const char* const kPageFilter = "Lab page (*.htm *.html)";
const char* const kChecksFilter = "Checks (*.checks *.txt)";
// Where the Lab Navigator shows a lab's own page: an address of the program's lab pages, so that
// the links between pages resolve as they do there.
const char* const kOwnPageName = "labs/this-lab.htm";
const char* const kRecoveryFace = "desktop";  // names this program's recovery copies

QString recovery_folder_path() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

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
  export_ = new_action(&main, QStringLiteral("mnuFileExportBundle"), tr("&Export Lab Bundle..."));
  student_ = new_action(&main, QStringLiteral("mnuFileStudent"), tr("Your &Name..."));
  connect(open_, &QAction::triggered, this, [this] {
    const QString f = choose_(false, file());
    if (!f.isEmpty()) open_file(f);
  });
  connect(save_, &QAction::triggered, this, [this] { save(); });
  connect(save_as_, &QAction::triggered, this, [this] { save_as(); });
  connect(check_, &QAction::triggered, this, &LabMenu::check_my_work);
  connect(export_, &QAction::triggered, this, [this] { export_bundle(); });
  connect(student_, &QAction::triggered, this, [this] { main_.session().lab().edit_student(); });

  // Added before the transcript commands of File, and after Current Lab in Labs.
  if (auto* file = main.findChild<QMenu*>(QStringLiteral("mnuFile"))) {
    QAction* first = file->actions().value(0);
    file->insertActions(first, {open_, save_, save_as_, student_, export_});
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
  choose_text_ = [this](const QString& question, const QString& current) -> std::optional<QString> {
    bool ok = false;
    const QString text = QInputDialog::getText(&main_, QString::fromLatin1(kAppTitle),
                                               question + ':', QLineEdit::Normal, current, &ok);
    if (!ok) return std::nullopt;
    return text;
  };
  choose_bundle_ = [this]() -> std::optional<BundleFiles> {
    BundleFiles f;
    f.page = QFileDialog::getOpenFileName(&main_, tr("The Lab's Page"), QDir::homePath(),
                                          tr(kPageFilter));
    if (f.page.isEmpty()) return std::nullopt;
    // Practice checks are optional: giving up this dialog makes a bundle without them.
    f.checks = QFileDialog::getOpenFileName(&main_, tr("Practice Checks (Cancel for none)"),
                                            QFileInfo(f.page).path(), tr(kChecksFilter));
    const QFileInfo page(f.page);
    f.out = QFileDialog::getSaveFileName(
        &main_, tr("Export Lab Bundle"),
        page.dir().filePath(page.completeBaseName() + QStringLiteral(".zlab")), tr(kLabFilter));
    if (f.out.isEmpty()) return std::nullopt;
    return f;
  };
}

bool LabMenu::export_bundle() {
  CoreSession& s = main_.session();
  const std::optional<BundleFiles> files = choose_bundle_();
  if (!files) return false;
  std::vector<std::string> notes;
  const std::string error = zorva::export_bundle(
      s.sim(), to_path(files->page), to_path(files->checks), "", to_path(files->out), notes);
  std::string said = error.empty()
                         ? "The lab bundle was written to " + files->out.toStdString() + "."
                         : "The lab bundle was not made: " + error;
  for (const std::string& note : notes) said += "\nLeft as it was in the page: " + note;
  s.host().message_box(kAppTitle, said, Buttons::Ok);
  return error.empty();
}

void LabMenu::show_lab_page() {
  frmBrowser* nav = main_.lab_navigator();
  const LabBundle& bundle = main_.session().lab().bundle();
  if (!nav || bundle.page.empty()) return;
  const QUrl url =
      QUrl::fromLocalFile(QDir(QString::fromStdString(main_.session().paths().app_dir.string()))
                              .filePath(QString::fromLatin1(kOwnPageName)));
  nav->page()->set_generated(url, QString::fromStdString(bundle.page));
  nav->navigate(url);
}

bool LabMenu::changed() const {
  return main_.session().lab().changed();
}

QString LabMenu::file() const {
  return QString::fromStdString(main_.session().lab().lab_file().string());
}

// The session's operations answer through a callback; the desktop's questions are modal, so the
// answer has come when the call returns.
bool LabMenu::open_file(const QString& file) {
  bool opened = false;
  main_.session().lab().open_lab(to_path(file), [&opened](bool done) { opened = done; });
  return opened;
}

bool LabMenu::save_to(const QString& file) {
  return main_.session().lab().save_to(to_path(file));
}

bool LabMenu::save() {
  bool saved = false;
  main_.session().lab().save([&saved](bool done) { saved = done; });
  return saved;
}

bool LabMenu::save_as() {
  bool saved = false;
  main_.session().lab().save_as([&saved](bool done) { saved = done; });
  return saved;
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
  const LabBundle& bundle = s.lab().bundle();
  if (!bundle.practice_checks.empty()) {  // a lab that carries its own checks runs them
    std::vector<Check> checks;
    std::istringstream in(bundle.practice_checks);
    if (const std::optional<CheckFileError> e = parse_checks(in, checks)) {
      s.host().message_box(
          kAppTitle,
          "The lab's practice checks, line " + std::to_string(e->line_number) + ": " + e->message,
          Buttons::Ok);
      return;
    }
    const CheckReport report = check_lab(s.sim(), checks, s.paths().app_dir);
    if (results_) results_->close();
    results_ = new frmCheckResults(QString::fromStdString(bundle.title), report, &main_);
    results_->setAttribute(Qt::WA_DeleteOnClose);
    results_->show();
    return;
  }
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
  bool may_leave = false;
  main_.session().lab().leave([&may_leave](bool done) { may_leave = done; });
  if (may_leave) main_.session().lab().clean_exit();  // nothing to recover next time
  return may_leave;
}

QString LabMenu::recovery_file() {
  return QString::fromStdString(
      own_recovery_file(recovery_folder_path().toStdString(), kRecoveryFace).string());
}

void LabMenu::write_recovery() {
  main_.session().lab().write_recovery();
}

void LabMenu::offer_recovery() {
  const std::vector<std::filesystem::path> left =
      left_behind_recovery_files(recovery_folder_path().toStdString(), kRecoveryFace);
  if (!left.empty()) main_.session().lab().offer_recovery(left.back());
}

}  // namespace zorva::ui
