// The desktop's lab commands: opening a lab file saved by the core, saving, Check My Work's
// checklist (a row a check, its mark and why it failed), the exit question's offer to save, and the
// recovery file.
#include "ui/lab_menu.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "lab/lab_file.h"
#include "simulation/simulation.h"
#include "ui/app_settings.h"
#include "ui/console_input.h"
#include "ui/core_session.h"
#include "ui/frm_browser.h"
#include "ui/frm_check_results.h"
#include "ui/frm_document.h"
#include "ui/frm_main.h"
#include "ui_test_support.h"

using namespace zorva;
using namespace zorva::ui;
using namespace zorva::ui_test;

namespace {

// Types `text` into router n of `sim`, line breaks as Enter.
void type_into(Simulation& sim, int n, const std::string& text) {
  for (const char c : text) sim.key_press(*sim.router(n), c == '\n' ? 13 : c);
}

// A picture of one pixel, as a bundle's page carries it.
constexpr const char* kOnePixel =
    "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQ"
    "GAhKmMIQAAAABJRU5ErkJggg==";

}  // namespace

class LabMenuTest : public QObject, MainWindowRig {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QtHost core_host_;                            // the host of the labs the core opens
  QString chosen_;                              // what the file dialogs answer
  std::optional<std::optional<QString>> name_;  // what the name question answers, when set

  // The default topology, the file and name questions answered by chosen_ and name_.
  void start(const std::function<void()>& before = {}) {
    MainWindowRig::start(topology("default.ini"), [&] {
      w_->lab_menu()->set_file_chooser([this](bool, const QString&) { return chosen_; });
      w_->lab_menu()->set_text_chooser(
          [this](const QString&, const QString& current) { return name_ ? *name_ : current; });
      if (before) before();
    });
  }
  LabMenu& labs() { return *w_->lab_menu(); }
  QString file(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  std::string transcript(int n) { return w_->sim().router(n)->console.transcript(); }
  // The lab in `lab_file` as the core opens it.
  OpenedLab open_core(const QString& lab_file) {
    return open_lab_file(lab_file.toStdString(), core_host_,
                         SimulationPaths{bin_dir().toStdString(), {}});
  }
  // Writes `bytes` to `name` in the test's folder; its path, or "" when it cannot be written.
  QString write(const char* name, const QByteArray& bytes) const {
    QFile f(file(name));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? f.fileName()
                                                                          : QString();
  }

  // A lab of two routers saved by the core alone: router 1 named Alpha, router 2 Bravo.
  QString core_lab() {
    QtHost host;
    Simulation sim(host, SimulationPaths{bin_dir().toStdString(), {}});
    sim.start(topology("topologies/two_routers.ini").toStdString());
    type_into(sim, 1, "\nenable\nconfigure terminal\nhostname Alpha\nend\n");
    type_into(sim, 2, "\nenable\nconfigure terminal\nhostname Bravo\nend\ncopy run start\n\n");
    const QString f = file("core.zlab");
    if (!save_lab(sim, f.toStdString(), false).empty()) return {};
    return f;
  }

 private slots:
  void init() { QFile::remove(LabMenu::recovery_file()); }
  void cleanup() {
    w_.reset();
    QFile::remove(LabMenu::recovery_file());
  }

  void opening_a_core_lab_replaces_the_routers() {
    const QString lab = core_lab();
    QVERIFY(!lab.isEmpty());
    start();  // three routers
    QCOMPARE(w_->sim().number_of_routers, Int16{3});
    chosen_ = lab;
    labs().open_action()->trigger();
    QCOMPARE(w_->sim().number_of_routers, Int16{2});
    QVERIFY(w_->router_window(3) == nullptr);
    QVERIFY(!w_->button("Router3")->isVisible());
    QCOMPARE(w_->sim().active_router, 1);
    w_->type_text(1, "\nenable\nshow running-config\n");
    QVERIFY(transcript(1).find("hostname Alpha") != std::string::npos);
    // The console window shows the new router's console, and the Routers keys reach it.
    QVERIFY(w_->document(1)->transcript_text().contains(QStringLiteral("hostname Alpha")));
    w_->type_text(2, "\nenable\nshow startup-config\n");
    QVERIFY(transcript(2).find("hostname Bravo") != std::string::npos);
    QCOMPARE(labs().file(), lab);
  }

  void a_file_that_cannot_be_opened_leaves_the_lab_running() {
    start();
    w_->type_text(1, "\nenable\n");
    const std::string before = transcript(1);
    const QString bad =
        write("bad.zlab", "{\"format\": \"zorva-lab\", \"version\": 1, \"routers\": [");
    QVERIFY(!bad.isEmpty());
    boxes_.queue(Answer::No);  // the changed lab is not saved first
    QVERIFY(!labs().open_file(bad));
    QCOMPARE(boxes_.boxes.size(), std::size_t{2});
    QVERIFY(boxes_.boxes[1].text.starts_with("Cannot open "));
    QCOMPARE(w_->sim().number_of_routers, Int16{3});
    QCOMPARE(transcript(1), before);
    QVERIFY(labs().file().isEmpty());
  }

  void save_asks_for_a_name_once_then_saves_to_it_and_save_as_asks_again() {
    start();
    w_->type_text(1, "\nenable\nconfigure terminal\nhostname Kilo\nend\n");
    QVERIFY(labs().changed());
    chosen_ = file("mine");  // no suffix: the lab suffix is added
    labs().save_action()->trigger();
    QCOMPARE(labs().file(), file("mine.zlab"));
    QVERIFY(!labs().changed());
    w_->type_text(1, "configure terminal\nhostname Lima\nend\n");
    chosen_ = file("never-asked.zlab");
    labs().save_action()->trigger();
    QVERIFY(!QFile::exists(chosen_));
    labs().save_as_action()->trigger();  // Save As always asks, and goes on with the new file
    QVERIFY(QFile::exists(chosen_));
    QCOMPARE(labs().file(), chosen_);
    OpenedLab reopened = open_core(file("mine.zlab"));
    QVERIFY(reopened.sim != nullptr);
    QCOMPARE(reopened.sim->router(1)->record.hostname, std::string("Lima"));
  }

  // A bundle shows its page in the Lab Navigator and Check My Work runs the checks it carries; the
  // first save asks the name and writes beside the bundle, never over it.
  void a_bundle_shows_its_page_runs_its_checks_and_is_never_saved_over() {
    OpenedLab made = open_core(core_lab());
    QVERIFY(made.sim != nullptr);
    const QString bundle = file("lab06.zlab");
    const LabBundle parts{"Lab 6",
                          "<html><body><h1>Lab six page</h1><img src=\"" + std::string(kOnePixel) +
                              "\"></body></html>",
                          "router 1 running-config has exactly \"hostname Alpha\"\nrouter 2 "
                          "running-config has exactly \"hostname Zulu\"\n"};
    QVERIFY(save_lab(*made.sim, bundle.toStdString(), false, parts).empty());
    start();
    QVERIFY(labs().open_file(bundle));
    QVERIFY(w_->lab_navigator()->page()->toPlainText().contains(QStringLiteral("Lab six page")));
    const QImage picture = w_->lab_navigator()
                               ->page()
                               ->loadResource(QTextDocument::ImageResource, QUrl(kOnePixel))
                               .value<QImage>();
    QCOMPARE(picture.size(), QSize(1, 1));
    const std::string live = transcript(1);
    const int clock = w_->sim().sim_clock;
    labs().check_my_work();
    frmCheckResults* results = labs().results();
    QVERIFY(results != nullptr && results->isVisible());
    QTreeWidget* list = results->list();
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("\u2714"));
    QCOMPARE(list->topLevelItem(0)->text(1),
             QStringLiteral("router 1 running-config has exactly \"hostname Alpha\""));
    QVERIFY(list->topLevelItem(0)->text(2).isEmpty());
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("\u2718"));
    QVERIFY(!list->topLevelItem(1)->text(2).isEmpty());  // why it failed
    QCOMPARE(results->summary()->text(), QStringLiteral("1 passed, 1 failed"));
    // The checks ran on a copy: the student's consoles and clock are as they were.
    QCOMPARE(transcript(1), live);
    QCOMPARE(w_->sim().sim_clock, clock);
    w_->type_text(1, "\nenable\nconfigure terminal\nhostname Kilo\nend\n");
    name_ = std::optional<QString>(QStringLiteral("Ann"));
    chosen_ = bundle;  // the bundle itself is refused
    boxes_.queue(Answer::Ok);
    QVERIFY(!labs().save());
    chosen_ = file("lab06-Ann.zlab");
    QVERIFY(labs().save());
    OpenedLab handed_out = open_core(bundle);
    QCOMPARE(handed_out.sim->router(1)->record.hostname, std::string("Alpha"));
    OpenedLab work = open_core(chosen_);
    QCOMPARE(work.sim->router(1)->record.hostname, std::string("Kilo"));
    QCOMPARE(work.sim->student, std::string("Ann"));
    QCOMPARE(work.bundle, parts);
  }

  void check_my_work_needs_checks_and_finds_them_beside_a_shipped_lab_page() {
    start();  // the Lab Navigator shows the lab index, which has none
    labs().check_my_work();
    QVERIFY(labs().results() == nullptr);
    QCOMPARE(boxes_.boxes.size(), std::size_t{1});
    QVERIFY(boxes_.boxes[0].text.starts_with("The page in the Lab Navigator has no checks."));
    w_->lab_navigator()->navigate(QUrl::fromLocalFile(bin_dir() + "labs/lab01_basic.htm"));
    labs().check_my_work();
    QVERIFY(labs().results() != nullptr);
    QVERIFY(labs().results()->list()->topLevelItemCount() > 10);
    QVERIFY(labs().results()->summary()->text().startsWith(QStringLiteral("0 passed, ")));
    // A page may name its check file instead; a wait in it is no row.
    write("mine.checks", "router 1 running-config has \"hostname Router\"\nwait 5\n");
    const QString page = write("page.htm", "<META name=\"zorva-checks\" content=\"mine.checks\">");
    w_->lab_navigator()->navigate(QUrl::fromLocalFile(page));
    labs().check_my_work();
    QCOMPARE(labs().results()->summary()->text(), QStringLiteral("The check passed."));
  }

  // File, Exit asks first: Cancel keeps everything; OK leaves (offering to save a changed lab) and
  // keeps the window's placement for the next start.
  void exit_question_offers_to_save_only_after_changes() {
    start();
    w_->resize(900, 640);
    w_->type_text(1, "sh");
    w_->command("mnuFileExit")->trigger();  // Cancel
    QVERIFY(w_->isVisible());
    QCOMPARE(w_->document(1)->txtin()->text(), QStringLiteral("Router>sh"));
    boxes_.queue(Answer::Ok);
    boxes_.queue(Answer::No);
    w_->command("mnuFileExit")->trigger();
    QVERIFY(!w_->isVisible());
    QCOMPARE(boxes_.boxes[0].text, std::string("Are you sure?"));
    QCOMPARE(QSize(read_placement()->width, read_placement()->height), QSize(900, 640));

    start();
    boxes_.queue(Answer::Ok);
    QVERIFY(w_->close());  // nothing typed: the one question
    QCOMPARE(boxes_.boxes.size(), std::size_t{1});

    start();
    w_->type_text(1, "\n");
    boxes_.queue(Answer::Ok);
    boxes_.queue(Answer::Cancel);
    QVERIFY(!w_->close());
    QCOMPARE(boxes_.boxes.size(), std::size_t{2});
    QCOMPARE(boxes_.boxes[1].buttons, Buttons::YesNoCancel);
    QVERIFY(boxes_.boxes[1].text.find("Save it before leaving?") != std::string::npos);
    // Yes, with a file named: saved, then gone.
    chosen_ = file("at-exit.zlab");
    boxes_.queue(Answer::Ok);
    boxes_.queue(Answer::Yes);
    QVERIFY(w_->close());
    QVERIFY(QFile::exists(chosen_));
    // Yes, but the file dialog cancelled: still here.
    start();
    w_->type_text(1, "\n");
    chosen_.clear();
    boxes_.queue(Answer::Ok);
    boxes_.queue(Answer::Yes);
    QVERIFY(!w_->close());
  }

  void recovery_file_is_written_while_changed_and_removed_on_a_clean_exit() {
    start();
    labs().write_recovery();
    QVERIFY(!QFile::exists(LabMenu::recovery_file()));  // nothing changed yet
    w_->type_text(1, "\nenable\nconfigure terminal\nhostname Romeo\nend\n");
    labs().write_recovery();
    QVERIFY(QFile::exists(LabMenu::recovery_file()));
    OpenedLab saved = open_core(LabMenu::recovery_file());
    QVERIFY(saved.sim != nullptr);
    QCOMPARE(saved.sim->router(1)->record.hostname, std::string("Romeo"));
    boxes_.queue(Answer::Ok);
    boxes_.queue(Answer::No);
    QVERIFY(w_->close());
    QVERIFY(!QFile::exists(LabMenu::recovery_file()));
  }

  void a_recovery_file_left_behind_is_offered_at_start() {
    const QString lab = core_lab();
    QDir().mkpath(QFileInfo(LabMenu::recovery_file()).absolutePath());
    QVERIFY(QFile::copy(lab, LabMenu::recovery_file()));
    start([this] {
      w_->session().set_clock({});  // the program's own clock, as at a real start
      boxes_.queue(Answer::Yes);
    });
    QCOMPARE(boxes_.boxes.size(), std::size_t{1});
    QVERIFY(boxes_.boxes[0].text.starts_with("Zorva did not close normally last time."));
    QCOMPARE(w_->sim().number_of_routers, Int16{2});
    QCOMPARE(w_->sim().router(1)->record.hostname, std::string("Alpha"));
    QVERIFY(labs().changed());         // never saved by the student: leaving offers to save
    QVERIFY(labs().file().isEmpty());  // and Save asks for a name
    // Declined: set aside, not offered again.
    w_.reset();
    QVERIFY(QFile::exists(LabMenu::recovery_file()));  // restored, but kept until a clean exit
    QFile::remove(LabMenu::recovery_file());
    QVERIFY(QFile::copy(lab, LabMenu::recovery_file()));
    start();
    QCOMPARE(w_->sim().number_of_routers, Int16{3});
    QVERIFY(!QFile::exists(LabMenu::recovery_file()));
    QVERIFY(QFile::exists(LabMenu::recovery_file() + ".old"));
  }
};

ZORVA_UI_TEST(LabMenuTest)
#include "lab_menu_test.moc"
