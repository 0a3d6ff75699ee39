// Checks judge a copy of the lab: they pass and fail by what the routers do, and the student's
// routers never see them.
#include "lab/check_run.h"

#include <gtest/gtest.h>

#include <sstream>

#include "lab/lab_file.h"
#include "script/script_runner.h"
#include "tests/lab/lab_fixture.h"

namespace zorva {
namespace {

using testing::checks_of;
using testing::TestSimulation;

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
      {"router 1 can ping 10.1.1.77", false, "Success rate is 0 percent"},
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
      {"router 2 running-config lacks \"no cdp run\"", false, "the running-config has that line"},
      {"router 1 startup-config has \"hostname Alpha\"", true, ""},
      {"router 2 startup-config lacks \"hostname Bravo\"", true, ""},
      {"router 2 startup-config has \"hostname Bravo\"", false, "startup-config is empty"},
      {"router 1 show \"show running-config\" contains \"no scheduler allocate\"", true, ""},
      {"router 1 show \"show ip route\" contains \"172.16.0.0\"", true, ""},
      {"router 1 show \"show ip route\" lacks \"172.16.0.0\"", false, "output: "},
      {"router 1 show \"show nonsense\" contains \"x\"", false, "Invalid input"},
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

TEST_F(ChecksOnTheFullLab, WaitLetsProtocolsConvergeBeforeTheChecksThatFollow) {
  // RIP learns nothing new here, but CDP needs time to hear a neighbour.
  const CheckReport report =
      check_lab(*live.sim,
                checks_of("router 2 show \"show cdp neighbors\" contains \"Alpha\"\n"
                          "wait 120\n"
                          "router 2 show \"show cdp neighbors\" contains \"Alpha\"\n"),
                testing::bin_dir());
  ASSERT_EQ(report.results.size(), 2u);
  EXPECT_FALSE(report.results[0].passed);
  EXPECT_TRUE(report.results[1].passed) << report.results[1].found;
  EXPECT_EQ(report.passed(), 1);
  EXPECT_EQ(report.failed(), 1);
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
    std::ifstream model(testing::source_dir() / "tests" / "scenarios" / (GetParam() + ".zs"));
    std::stringstream text;
    text << model.rdbuf();
    answer = text.str();
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

TEST_P(LabChecks, TheModelAnswerPassesEveryCheck) {
  const CheckReport report = check_lab_file(lab_after(answer), checks, testing::bin_dir());
  ASSERT_EQ(report.error, "");
  for (const CheckResult& r : report.results)
    EXPECT_TRUE(r.passed) << "line " << r.check->line_number << ": " << r.found;
}

TEST_P(LabChecks, AnUntouchedLabFailsEveryCheck) {
  const CheckReport report = check_lab_file(lab_after("wait 1"), checks, testing::bin_dir());
  ASSERT_EQ(report.error, "");
  for (const CheckResult& r : report.results)
    EXPECT_FALSE(r.passed) << "line " << r.check->line_number;
}

INSTANTIATE_TEST_SUITE_P(ShippedLabs, LabChecks,
                         ::testing::Values("lab01_basic", "lab02_interfaces", "lab03_static",
                                           "lab04_rip"));

}  // namespace
}  // namespace zorva
