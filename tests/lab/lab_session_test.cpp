// The lab session's policy, one table of situations: a changed or unchanged lab, an action over it
// (open a lab, open a topology, leave), and the answers the user gives; then what is running, what
// was saved, and what was said. Below it, the cases that are not one row: failed opens and saves,
// the recovery copy, and the behaviour a lab carries.
#include "lab/lab_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/scripted_host.h"
#include "lab/lab_file.h"
#include "lab/recovery_files.h"
#include "state/mode_tables.h"
#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;

// Records what the session asked of its face; answers file-name questions from a queue.
struct RecordingFace : LabSessionFace {
  std::vector<std::optional<fs::path>> names;  // answers to "save as", in order
  std::vector<std::string> told;
  int asked_names = 0;
  bool take_suggested = false;                     // answer "save as" with what it proposes
  std::optional<std::optional<std::string>> text;  // the answer to a text question, if set
  int asked_texts = 0;
  void ask_text(const std::string&, const std::string& current,
                std::function<void(std::optional<std::string>)> then) override {
    ++asked_texts;
    then(text ? *text : std::optional<std::string>(current));
  }
  void ask_save_file(const fs::path& proposed,
                     std::function<void(std::optional<fs::path>)> then) override {
    ++asked_names;
    std::optional<fs::path> name = take_suggested ? std::optional(proposed) : std::nullopt;
    if (!take_suggested && !names.empty()) {
      name = names.front();
      names.erase(names.begin());
    }
    then(name);
  }
  void tell(const std::string& text) override { told.push_back(text); }
};

class LabSessionTest : public ::testing::Test {
 protected:
  LabSessionTest() {
    topology = dir.write("two.ini", testing::topology(2, 1, 1));
    other_topology = dir.write("three.ini", testing::topology(3, 1, 0));
    settings.paths = SimulationPaths{testing::bin_dir(), dir.path() / "zorva.log"};
    settings.recovery_file = dir.path() / "config" / "term-recovery-1.zlab";
  }
  void start() {
    session = std::make_unique<LabSession>(host, face, settings);
    session->start_topology(topology);
  }
  void type(const std::string& text) {
    for (unsigned char c : text) session->key(c);
  }
  void rename_router(const std::string& name) {
    type("\renable\rconfigure terminal\rhostname " + name + "\rend\r");
  }
  // A lab on disk whose router 1 is called `name`, naming `student` when given.
  fs::path saved_lab(const std::string& name, const std::string& student = "") {
    testing::TestSimulation sim(testing::topology(2, 1, 1));
    sim.type("\renable\rconfigure terminal\rhostname " + name + "\r");
    sim.sim->student = student;
    const fs::path file = dir.path() / (name + ".zlab");
    EXPECT_EQ(save_lab(*sim.sim, file, false), "");
    return file;
  }
  std::string hostname() { return session->sim()->router(1)->record.hostname; }

  testing::TempDir dir;
  std::string topology, other_topology;
  ScriptedHost host;
  RecordingFace face;
  LabSessionSettings settings;
  std::unique_ptr<LabSession> session;
};

enum class Action { OpenLab, OpenTopology, Leave };

struct Situation {
  const char* name;
  bool changed;  // the student typed since the lab was last saved
  Action action;
  std::vector<Answer> answers;  // to the boxes, in order
  bool name_given;              // the file-name question is answered (when asked)
  bool happened;                // the action took place (done(true))
  bool saved;                   // the old lab reached a file
  int boxes;                    // boxes shown
};

class LabSessionPolicy : public LabSessionTest, public ::testing::WithParamInterface<Situation> {};

TEST_P(LabSessionPolicy, AsksAndActsAsTheSituationCallsFor) {
  const Situation& s = GetParam();
  start();
  const fs::path other = saved_lab("Other");
  if (s.changed) rename_router("Edited");
  for (Answer a : s.answers) host.queue_answer(a);
  const fs::path target = dir.path() / "mine.zlab";
  if (s.name_given) face.names.push_back(target);

  std::optional<bool> result;
  auto done = [&](bool happened) { result = happened; };
  switch (s.action) {
    case Action::OpenLab:
      session->open_lab(other, done);
      break;
    case Action::OpenTopology:
      session->open_topology(other_topology, done);
      break;
    case Action::Leave:
      session->leave(done);
      break;
  }
  ASSERT_TRUE(result.has_value()) << "done was never called";
  EXPECT_EQ(*result, s.happened);
  EXPECT_EQ(fs::exists(target), s.saved);
  EXPECT_EQ(static_cast<int>(host.boxes.size()), s.boxes);
  if (s.action == Action::OpenLab && s.happened) {
    EXPECT_EQ(hostname(), "Other");
  }
  if (s.action == Action::OpenTopology && s.happened) {
    EXPECT_EQ(session->sim()->router_count, 3);
  }
  if (!s.happened && s.action != Action::Leave) {
    EXPECT_EQ(hostname(), "Edited");
  }
  EXPECT_EQ(!face.told.empty(), s.saved);
}

using A = Answer;
INSTANTIATE_TEST_SUITE_P(
    Table, LabSessionPolicy,
    ::testing::Values(
        Situation{"UnchangedLab", false, Action::OpenLab, {}, false, true, false, 0},
        Situation{"UnchangedTopo", false, Action::OpenTopology, {}, false, true, false, 0},
        Situation{"UnchangedLeave", false, Action::Leave, {}, false, true, false, 0},
        Situation{"ChangedLabNo", true, Action::OpenLab, {A::No}, false, true, false, 1},
        Situation{"ChangedLabCancel", true, Action::OpenLab, {A::Cancel}, false, false, false, 1},
        Situation{"ChangedLabYesNamed", true, Action::OpenLab, {A::Yes}, true, true, true, 1},
        Situation{"ChangedLabYesNoName", true, Action::OpenLab, {A::Yes}, false, false, false, 1},
        Situation{"ChangedTopoNo", true, Action::OpenTopology, {A::No}, false, true, false, 1},
        Situation{"ChangedTopoYesNamed", true, Action::OpenTopology, {A::Yes}, true, true, true, 1},
        Situation{"ChangedLeaveNo", true, Action::Leave, {A::No}, false, true, false, 1},
        Situation{"ChangedLeaveCancel", true, Action::Leave, {A::Cancel}, false, false, false, 1},
        Situation{"ChangedLeaveYesNamed", true, Action::Leave, {A::Yes}, true, true, true, 1},
        Situation{"ChangedLeaveYesNoName", true, Action::Leave, {A::Yes}, false, false, false, 1}),
    [](const ::testing::TestParamInfo<Situation>& info) { return std::string(info.param.name); });

// A student's save never writes over the lab as it was handed out (a file naming no student): the
// first save asks the name, then a file, proposing LAB-STUDENT.zlab beside it.
struct NameCase {
  const char* name;
  const char* student_in_file;             // "" for a teacher's lab
  std::optional<std::string> name_answer;  // nothing: the name question is given up
  bool pick_handed_out;                    // the file chosen is the one opened
  const char* saved_as;                    // where the work went; "" nowhere
  const char* student_saved;               // the name the saved lab holds
  int texts, names, boxes;                 // questions and boxes
};

class LabSessionNames : public LabSessionTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(LabSessionNames, TheHandedOutFileStaysAsItWas) {
  const NameCase& c = GetParam();
  session = std::make_unique<LabSession>(host, face, settings);
  const fs::path start_file = saved_lab("Start", c.student_in_file);
  std::string error;
  ASSERT_TRUE(session->start_lab(start_file, error)) << error;
  rename_router("Work");
  face.text = c.name_answer;
  if (c.pick_handed_out) face.names.push_back(start_file);
  face.take_suggested = !c.pick_handed_out;
  host.queue_answer(Answer::Ok);

  bool saved = false;
  session->save([&](bool s) { saved = s; });
  EXPECT_EQ(saved, *c.saved_as != '\0');
  EXPECT_EQ(face.asked_texts, c.texts);
  EXPECT_EQ(face.asked_names, c.names);
  EXPECT_EQ(static_cast<int>(host.boxes.size()), c.boxes);
  const bool back_to_itself = std::string(c.saved_as) == "Start.zlab";
  OpenedLab handed_out = open_lab_file(start_file, host, settings.paths);
  ASSERT_TRUE(handed_out.sim);
  EXPECT_EQ(handed_out.sim->router(1)->record.hostname, back_to_itself ? "Work" : "Start");
  if (!saved) return;
  const fs::path where = dir.path() / c.saved_as;
  OpenedLab work = open_lab_file(where, host, settings.paths);
  ASSERT_TRUE(work.sim) << work.error;
  EXPECT_EQ(work.sim->router(1)->record.hostname, "Work");
  EXPECT_EQ(work.sim->student, c.student_saved);
  // The next save goes to the same file without a question.
  rename_router("More");
  session->save();
  EXPECT_EQ(face.asked_texts + face.asked_names, c.texts + c.names);
  EXPECT_EQ(open_lab_file(where, host, settings.paths).sim->router(1)->record.hostname, "More");
}

INSTANTIATE_TEST_SUITE_P(
    Table, LabSessionNames,
    ::testing::Values(
        NameCase{"TeachersLab", "", "Ann Lee", false, "Start-Ann_Lee.zlab", "Ann Lee", 1, 1, 0},
        NameCase{"NoNameGiven", "", "", false, "Start-student.zlab", "", 1, 1, 0},
        NameCase{"HandedOutFileChosen", "", "Ann", true, "", "", 1, 1, 1},
        NameCase{"NameQuestionGivenUp", "", std::nullopt, false, "", "", 1, 0, 0},
        NameCase{"StudentsOwnLab", "Ann", "Bob", false, "Start.zlab", "Ann", 0, 0, 0}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

TEST_F(LabSessionTest, AFileThatCannotBeOpenedLeavesTheRunningLabAndSaysWhy) {
  start();
  rename_router("Kept");
  host.queue_answer(Answer::No);  // do not save first, twice
  host.queue_answer(Answer::No);
  bool happened = true;
  session->open_lab(dir.path() / "missing.zlab", [&](bool h) { happened = h; });
  session->open_topology((dir.path() / "missing.ini").string(), [&](bool h) { happened = h; });
  EXPECT_FALSE(happened);
  EXPECT_EQ(hostname(), "Kept");
  EXPECT_TRUE(session->changed());
  ASSERT_GE(host.boxes.size(), 2u);
  EXPECT_NE(host.boxes[1].text.find("missing.zlab"), std::string::npos) << host.boxes[1].text;
  EXPECT_NE(host.boxes.back().text.find("missing.ini"), std::string::npos);
}

TEST_F(LabSessionTest, SaveSaysWhereItWentAndAFailedSaveKeepsTheChanges) {
  start();
  rename_router("Saved");
  EXPECT_TRUE(session->save_to(dir.path() / "a.zlab"));
  EXPECT_FALSE(session->changed());
  ASSERT_EQ(face.told.size(), 1u);
  EXPECT_NE(face.told[0].find("a.zlab"), std::string::npos);

  rename_router("Unsaved");
  EXPECT_FALSE(session->save_to(dir.path() / "no-such-folder" / "b.zlab"));
  EXPECT_TRUE(session->changed());
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(session->lab_file(), dir.path() / "a.zlab");  // still the last good file
  session->save();  // back to the lab's own file, without asking
  EXPECT_EQ(face.asked_names, 0);
  EXPECT_FALSE(session->changed());
}

TEST_F(LabSessionTest, RecoveryCopyIsWrittenOnlyAfterAMinuteOfChangesAndRemovedOnExit) {
  start();
  session->recovery_tick(0);
  rename_router("Copied");
  session->recovery_tick(LabSession::kRecoveryIntervalMs - 1);
  EXPECT_FALSE(fs::exists(settings.recovery_file));
  session->recovery_tick(LabSession::kRecoveryIntervalMs);
  ASSERT_TRUE(fs::exists(settings.recovery_file));

  // A crashed program's copy: restored into the next program, which keeps it in its own copy
  // before setting the old one aside.
  const fs::path crashed = settings.recovery_file.parent_path() / "term-recovery-999999999.zlab";
  fs::rename(settings.recovery_file, crashed);
  LabSession next(host, face, settings);
  host.queue_answer(Answer::Yes);
  ASSERT_TRUE(next.offer_recovery(crashed));
  EXPECT_EQ(next.sim()->router(1)->record.hostname, "Copied");
  EXPECT_TRUE(next.changed());  // a recovered lab was never saved by the student
  EXPECT_TRUE(fs::exists(crashed.string() + ".old"));
  EXPECT_TRUE(fs::exists(settings.recovery_file));

  next.clean_exit();
  EXPECT_FALSE(fs::exists(settings.recovery_file));
}

// Where the student left the consoles when the program died, and what the recovered lab shows.
struct LeftConsole {
  const char* name;
  int router;              // the console typed into
  const char* keys;        // typed there before the crash
  int mode;                // the mode that comes back
  const char* input;       // the input line that comes back
  int caret_from_end;      // where its caret stands
  const char* then;        // typed after the recovery
  const char* ip_address;  // Serial0's address of router `router` afterwards
};

class ConsoleRecovery : public LabSessionTest, public ::testing::WithParamInterface<LeftConsole> {};

TEST_P(ConsoleRecovery, ModeInterfaceAndUnfinishedLineComeBack) {
  const LeftConsole& c = GetParam();
  start();
  session->function_key(c.router);
  type(c.keys);
  ASSERT_TRUE(session->write_recovery());
  EXPECT_EQ(lab_text(*session->sim(), true).find("\"consoles\""), std::string::npos)
      << "a normal save keeps no console state";

  LabSession next(host, face, settings);
  host.queue_answer(Answer::Yes);
  ASSERT_TRUE(next.offer_recovery(settings.recovery_file));
  Simulation& sim = *next.sim();
  const Router& r = *sim.router(c.router);
  EXPECT_EQ(sim.active_router, c.router);
  EXPECT_EQ(r.record.mode, c.mode);
  EXPECT_EQ(r.console.input_text(), c.input);
  EXPECT_EQ(r.console.cursor_from_end, c.caret_from_end);
  for (unsigned char k : std::string(c.then)) next.key(k);
  EXPECT_EQ(r.record.interfaces[1].ip_address, c.ip_address);
}

INSTANTIATE_TEST_SUITE_P(
    LabSessionTest, ConsoleRecovery,
    ::testing::Values(
        LeftConsole{"HalfTypedInInterfaceMode", 1,
                    "\renable\rconfigure terminal\rinterface serial0\rip addr", kModeSerial,
                    "Router(config-if)#ip addr", 0, "ess 10.1.1.1 255.255.255.0\r", "10.1.1.1"},
        LeftConsole{"CaretMovedBackOnTheSecondRouter", 2,
                    "\renable\rconfigure terminal\rhostnam\x02", kModeGlobal,
                    "Router(config)#hostnam", 1, "", ""},
        // A banner being typed is a dialogue the copy does not keep: a fresh prompt comes back.
        LeftConsole{"InsideABannerAFreshPrompt", 1,
                    "\renable\rconfigure terminal\rbanner motd #\rhalf", kModeGlobal,
                    "Router(config)#", 0, "interface serial0\rip address 10.2.2.2 255.0.0.0\r",
                    "10.2.2.2"}),
    [](const ::testing::TestParamInfo<LeftConsole>& info) { return std::string(info.param.name); });

TEST_F(LabSessionTest, EachProgramHasItsOwnCopyAndOnlyCopiesOfEndedProgramsAreLeftBehind) {
  const fs::path folder = dir.path() / "config";
  fs::create_directories(folder);
  const fs::path own = own_recovery_file(folder, "term");    // an earlier program's, same number
  const fs::path running = folder / "term-recovery-1.zlab";  // process 1 always runs
  const fs::path ended = folder / "term-recovery-999999999.zlab";
  const fs::path old_style = folder / "term-recovery.zlab";
  for (const fs::path& f : {own, running, ended, old_style, folder / "ui-recovery-999999999.zlab",
                            folder / "term-recovery-12x.zlab"})
    std::ofstream(f) << "{}";
  const std::vector<fs::path> left = left_behind_recovery_files(folder, "term");
  EXPECT_EQ(left.size(), 3u);
  for (const fs::path& f : left) EXPECT_TRUE(f == own || f == ended || f == old_style) << f;
}

TEST_F(LabSessionTest, BehaviourOfNewLabsComesFromTheSettingsAndSavedLabsKeepTheirOwn) {
  settings.behaviour = Behaviour::RealRouter;
  start();
  EXPECT_EQ(session->sim()->behaviour, Behaviour::RealRouter);
  ASSERT_TRUE(session->save_to(dir.path() / "real.zlab"));

  settings.behaviour = Behaviour::Classic;
  LabSession other(host, face, settings);
  std::string error;
  ASSERT_TRUE(other.start_lab(dir.path() / "real.zlab", error)) << error;
  EXPECT_EQ(other.sim()->behaviour, Behaviour::RealRouter);
  other.start_topology(topology);
  EXPECT_EQ(other.sim()->behaviour, Behaviour::Classic);
}

TEST(ResolveGivenPath, CurrentFolderFirstThenTheProgramFolder) {
  testing::TempDir app;
  const std::string in_app = app.write("only-in-app.ini", "x");
  EXPECT_EQ(resolve_given_path("only-in-app.ini", app.path()), fs::path(in_app));
  EXPECT_EQ(resolve_given_path("nowhere.ini", app.path()), fs::path("nowhere.ini"));
  EXPECT_EQ(resolve_given_path(in_app, "/elsewhere"), fs::path(in_app));
}

}  // namespace
}  // namespace zorva
