// Checks judge a copy of the lab: they pass and fail by what the routers do, and the student's
// routers never see them.
#include "lab/check_run.h"

#include <gtest/gtest.h>

#include <sstream>

#include "lab/check_lint.h"
#include "lab/lab_file.h"
#include "script/script_runner.h"
#include "tests/lab/lab_fixture.h"

namespace zorva {
namespace {

using testing::checks_of;
using testing::TestSimulation;

// Runs the checks of `text` on `sim`; true when every one passed (a failure is reported).
bool check_lab_results_pass(Simulation& sim, const std::string& text) {
  const std::vector<Check> checks = checks_of(text);
  bool all = true;
  for (const CheckResult& r : run_checks(sim, checks)) {
    all = all && r.passed;
    if (!r.passed) ADD_FAILURE() << r.check->text << " -> " << r.found;
  }
  return all;
}

struct Expect {
  const char* check;
  bool passes;
  const char* found;  // part of what a failed check reports
};

class ChecksOnTheFullLab : public ::testing::Test {
 protected:
  void SetUp() override { testing::type_full_lab(live); }
  TestSimulation live{testing::kTwoRouters};
};

TEST_F(ChecksOnTheFullLab, PassAndFailByWhatTheRoutersDo) {
  const Expect table[] = {
      {"router 1 can ping 10.1.1.2", true, ""},
      {"router 1 can ping 10.1.1.77", false,
       "Success rate is 0 percent: the packets go round in a loop through router 1"},
      {"router 1 can ping 10.9.9.9", false,
       "Success rate is 0 percent: no route to 10.9.9.9 at router 2"},
      {"router 2 can ping 172.16.0.1", false, "0 percent: no route to 172.16.0.1 at router 2"},
      {"router 1 cannot ping 10.1.1.77", true, ""},
      {"router 1 cannot ping 192.168.1.2", false, "Success rate is 100 percent"},
      {"router 1 route 10.1.1.0/24 code C", true, ""},
      {"router 1 route 10.1.1.0/24 code S", false, "found C 10.1.1.0/24 directly connected"},
      {"router 1 route 172.16.0.0/16 code S via 10.1.1.2", true, ""},
      {"router 1 route 172.16.0.0/16 via 10.1.1.3", false, "found S 172.16.0.0/16 via 10.1.1.2"},
      {"router 1 route 172.16.0.0/24", false, "no route to 172.16.0.0/24; the routing table holds"},
      {"router 1 no route 172.16.0.0/16", false, "holds S 172.16.0.0/16"},
      {"router 2 no route 172.16.0.0/16", true, ""},
      {"router 1 interface serial0 line protocol up", true, ""},
      {"router 1 interface Serial1 line protocol up", false, "line protocol is down"},
      {"router 1 interface Serial1 is administratively down", true, ""},
      {"router 1 interface Serial0 is down", false, "Serial0 is up"},
      {"router 1 interface Serial7 is up", false, "router 1 has no interface Serial7"},
      {"router 1 running-config has \"hostname AlphaAfterSave\"", true, ""},
      {"router 1 running-config has \"HOSTNAME alphaaftersave\"", true, ""},
      {"router 1 running-config has \"hostname Alpha\"", false, "similar: hostname AlphaAfterSave"},
      {"router 1 running-config lacks \"no cdp run\"", true, ""},
      {"router 1 running-config has exactly \"hostname AlphaAfterSave\"", true, ""},
      {"router 1 running-config has exactly \"hostname alphaaftersave\"", false,
       "no such line in the running-config (case counts); similar: hostname AlphaAfterSave"},
      {"router 1 running-config lacks exactly \"hostname alphaaftersave\"", true, ""},
      {"router 1 running-config matches /^hostname A.*Save$/", true, ""},
      {"router 1 running-config matches /^hostname b/i", false,
       "no line of the running-config matches /^hostname b/"},
      {"router 1 show \"show ip route\" matches /^S +172\\.16\\./", true, ""},
      {"router 1 show \"sh ip route\" matches /^R/", false, "no line of the output matches /^R/"},
      {"router 1 enable secret is \"class\"", true, ""},
      {"router 1 enable secret is \"Class\"", false, "the enable secret is a different one"},
      {"router 2 running-config lacks \"no cdp run\"", false, "the running-config has that line"},
      {"router 1 startup-config has \"hostname Alpha\"", true, ""},
      {"router 2 startup-config lacks \"hostname Bravo\"", true, ""},
      {"router 2 startup-config has \"hostname Bravo\"", false, "startup-config is empty"},
      {"router 1 show \"show running-config\" contains \"no scheduler allocate\"", true, ""},
      {"router 1 show \"show ip route\" contains \"172.16.0.0\"", true, ""},
      {"router 1 show \"show ip route\" lacks \"172.16.0.0\"", false,
       "found in: \"S      172.16.0.0/16 [1/0] via 10.1.1.2\""},
      {"router 1 show \"show ip route\" contains \"172.16.9.0\"", false,
       "nearest line: \"S      172.16.0.0/16 [1/0] via 10.1.1.2\""},
      {"router 1 show \"show nonsense\" contains \"x\"", false,
       "nothing like it; the output begins \"% Invalid input"},
      {"router 3 running-config has \"hostname Charlie\"", false,
       "the lab has no router 3 (it has 2)"},
  };
  for (const Expect& e : table) {
    const std::vector<Check> checks = checks_of(e.check);
    const CheckReport report = check_lab(*live.sim, checks, testing::bin_dir());
    ASSERT_EQ(report.error, "");
    ASSERT_EQ(report.results.size(), 1u);
    EXPECT_EQ(report.results[0].passed, e.passes) << e.check << " -> " << report.results[0].found;
    EXPECT_NE(report.results[0].found.find(e.found), std::string::npos)
        << e.check << " -> " << report.results[0].found;
    if (e.passes) {
      EXPECT_EQ(report.results[0].found, "") << e.check;
    }
  }
}

TEST_F(ChecksOnTheFullLab, LintFindsRepeatsAndChecksThatCannotTellLabsApart) {
  const std::vector<Check> checks = checks_of(
      "router 1 running-config has \"hostname AlphaAfterSave\"\n"          // 1: fine
      "router 1 running-config has exactly \"HOSTNAME AlphaAfterSave\"\n"  // 2: repeat, fails
      "router 1 running-config lacks \"hostname alphaaftersave\"\n"        // 3: opposite
      "router 2 no route 172.16.0.0/16\n"                                  // 4: cannot fail
      "router 1 route 172.16.0.0/16 code S\n");                            // 5: fine
  std::string lines;
  for (const LintFinding& f : repeated_checks(checks))
    lines += std::to_string(f.check->line_number) + " " + f.what + "\n";
  EXPECT_EQ(lines,
            "2 tests the same as line 1, in another form\n"
            "3 asks the opposite of line 1; one of the two always fails\n");
  std::string error;
  lines.clear();
  for (const LintFinding& f :
       checks_against_model(checks, lab_text(*live.sim, false), testing::bin_dir(), error))
    lines += std::to_string(f.check->line_number) + " " + f.what.substr(0, 25) + "\n";
  EXPECT_EQ(error, "");
  EXPECT_EQ(lines,
            "2 fails on the model answer\n"
            "3 fails on the model answer\n"
            "4 passes on the model's top\n");
}

TEST_F(ChecksOnTheFullLab, LeaveTheStudentsRoutersAlone) {
  const std::string before = lab_text(*live.sim, true);
  const Int32 clock = live.sim->sim_clock;
  const CheckReport report =
      check_lab(*live.sim,
                checks_of("wait 600\n"
                          "router 1 can ping 10.1.1.2\n"
                          "router 2 show \"show cdp neighbors\" contains \"x\"\n"),
                testing::bin_dir());
  EXPECT_EQ(report.results.size(), 2u);
  EXPECT_EQ(lab_text(*live.sim, true), before);
  EXPECT_EQ(live.sim->sim_clock, clock);
}

// Ten routers in a row, Serial0 of each cabled to Serial1 of the next, on 10.0.N.0/24, with RIP and
// OSPF: a route crosses one link per update, so router 1 learns the far end only after about 90 s.
class ALabThatNeedsTimeToConverge : public ::testing::Test {
 protected:
  static constexpr int kRouters = 10;
  static std::string chain() {
    std::string t = "[GENERAL]\nnumberofrouters=10\nnumberofconnectors=9\n";
    for (int n = 1; n <= kRouters; ++n)
      t += "[ROUTER" + std::to_string(n) + "]\nSerial=2\nEthernet=0\n";
    for (int n = 1; n < kRouters; ++n)
      t += "[CONNECTOR" + std::to_string(n) + "]\nconnectortype=serial\ndev1name=Router" +
           std::to_string(n) + "\ndev1interface=Serial0\ndev2name=Router" + std::to_string(n + 1) +
           "\ndev2interface=Serial1\n";
    return t;
  }
  // Router n is named Rn, its Serial0 is 10.0.n.1 and its Serial1 10.0.(n-1).2, with RIP over
  // 10.0.0.0 and OSPF over each link, typed as a student would.
  void SetUp() override {
    for (int n = 1; n <= kRouters; ++n) {
      std::string keys = "enable\rconfigure terminal\rhostname R" + std::to_string(n) + "\r", ospf;
      const auto link = [&](const char* name, int net, const char* host) {
        const std::string subnet = "10.0." + std::to_string(net) + ".";
        keys += std::string("interface ") + name + "\rip address " + subnet + host +
                " 255.255.255.0\rno shutdown\rexit\r";
        ospf += "network " + subnet + "0 0.0.0.255 area 0\r";
      };
      if (n < kRouters) link("s0", n, "1");
      if (n > 1) link("s1", n - 1, "2");
      typed.sim->active_router = n;
      typed.type(keys + "router rip\rnetwork 10.0.0.0\rexit\rrouter ospf 1\r" + ospf + "end\r");
    }
    typed.sim->scheduler.advance(20'000);  // the lines come up; a lab file keeps their state
  }
  // The typed lab as a student hands it in, opened afresh: nothing learned yet.
  std::unique_ptr<Simulation> opened() {
    OpenedLab lab = open_lab_text(lab_text(*typed.sim, false), host,
                                  {testing::bin_dir(), typed.dir.path() / "check.log"});
    EXPECT_EQ(lab.error, "");
    return std::move(lab.sim);
  }
  TestSimulation typed{chain()};
  ScriptedHost host;
};

TEST_F(ALabThatNeedsTimeToConverge, IsJudgedOnceSettledAndChecksUseNoTime) {
  // Left alone for a minute, router 1 still does not know the far end.
  const auto early = opened();
  early->scheduler.advance(60'000);
  const RouterRecord& r1 = early->router(1)->record;
  EXPECT_GE(r1.route_count, 1);
  for (int k = 1; k <= r1.route_count; ++k) EXPECT_NE(r1.routes[k].network, 0x0A000900u);

  const char* route = "router 1 running-config has \"router rip\"\nrouter 1 route 10.0.9.0/24\n";
  const auto one = opened();
  const SimMillis start = one->scheduler.now();
  EXPECT_TRUE(check_lab_results_pass(*one, route));
  const SimMillis settled = one->scheduler.now() - start;
  EXPECT_GE(settled, 90'000);
  EXPECT_LE(settled, 300'000);

  // More checks, pings among them, see the same network and move no clock; a wait moves it by
  // exactly its time.
  const auto many = opened();
  EXPECT_TRUE(check_lab_results_pass(
      *many, std::string(route) +
                 "router 1 can ping 10.0.9.2\nrouter 10 can ping 10.0.1.1\n"
                 "router 5 show \"show ip route\" contains \"10.0.9.0\"\n"
                 "router 1 route 10.0.9.0/24\nwait 2.5\nrouter 1 cannot ping 10.0.99.1\n"));
  EXPECT_EQ(many->scheduler.now() - start, settled + 2500);
}

// Every shipped lab's check file: the script that walks the lab as a student would (its model
// answer) passes every check, and a lab nobody touched passes none.
class LabChecks : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    const auto error = read_check_file(
        (testing::source_dir() / "data" / "labs" / (GetParam() + ".checks")).string(), checks);
    ASSERT_FALSE(error) << error->line_number << ": " << error->message;
    ASSERT_GE(checks.size(), 10u);
    EXPECT_TRUE(repeated_checks(checks).empty()) << "a check repeats another";
    answer =
        testing::file_text(testing::source_dir() / "tests" / "scenarios" / (GetParam() + ".zs"));
    // The topology the walk-through names in its "# topology:" header.
    const std::string header = "# topology: ";
    if (answer.rfind(header, 0) == 0)
      topology =
          (testing::bin_dir() / answer.substr(header.size(), answer.find('\n') - header.size()))
              .string();
  }
  // The lab file a script leaves behind.
  std::filesystem::path lab_after(const std::string& script) {
    const std::filesystem::path file = dir.path() / "lab.zlab";
    std::istringstream in(script + "\nsave " + file.string() + "\n");
    std::ostringstream out, err;
    ScriptOptions options;
    options.app_dir = testing::bin_dir();
    options.topology = topology;
    options.log_file = dir.path() / "zorva.log";
    EXPECT_EQ(run_script(in, options, out, err), 0) << err.str();
    return file;
  }
  testing::TempDir dir;
  std::vector<Check> checks;
  std::string answer;    // the lab's walk-through script
  std::string topology;  // the topology it names, "" for the default
};

TEST_P(LabChecks, TheModelAnswerPassesEveryCheckAndAnUntouchedLabNone) {
  for (const bool walked : {true, false}) {
    const CheckReport report =
        check_lab_file(lab_after(walked ? answer : "wait 1"), checks, testing::bin_dir());
    ASSERT_EQ(report.error, "");
    for (const CheckResult& r : report.results)
      EXPECT_EQ(r.passed, walked) << "line " << r.check->line_number << ": " << r.found;
  }
}

INSTANTIATE_TEST_SUITE_P(ShippedLabs, LabChecks,
                         ::testing::Values("lab01_basic", "lab02_interfaces", "lab03_static",
                                           "lab04_rip"));

}  // namespace
}  // namespace zorva
