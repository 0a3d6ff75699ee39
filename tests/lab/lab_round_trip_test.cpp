// Saving a lab and opening it again gives back every configured field.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <tuple>

#include "lab/hand_in.h"
#include "lab/lab_file.h"
#include "reports/real_router_config.h"
#include "reports/reports.h"
#include "tests/lab/lab_fixture.h"

namespace zorva {
namespace {

using testing::TestSimulation;

class LabRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override { testing::type_full_lab(live); }
  OpenedLab reopen(const std::string& text) {
    return open_lab_text(text, host, {testing::bin_dir(), live.dir.path() / "reopened.log"});
  }
  TestSimulation live{testing::kTwoRouters};
  ScriptedHost host;
};

// The reopened lab has every configuration, the clock, the static and connected routes, and writes
// the same file again; learned neighbours are learned anew, and the links stay up without a word.
TEST_F(LabRoundTrip, AReopenedLabIsTheLabThatWasSaved) {
  const std::string first = lab_text(*live.sim, false);
  OpenedLab opened = reopen(first);
  ASSERT_TRUE(opened.sim) << opened.error;
  ASSERT_EQ(opened.sim->router_count, 2);
  for (int n = 1; n <= 2; ++n) {
    const RouterRecord& before = live.router(n).record;
    const RouterRecord& after = opened.sim->router(n)->record;
    EXPECT_EQ(build_running_config(after), build_running_config(before)) << "router " << n;
    EXPECT_EQ(after.startup_config, before.startup_config) << "router " << n;
  }
  // The fixture really did reach the fields whose lines depend on state.
  const RouterRecord& r = opened.sim->router(1)->record;
  const std::string alpha = build_running_config(r);
  for (const char* line : {"hostname AlphaAfterSave", " ip ospf cost 50", " ip ospf priority 5",
                           " ppp authentication chap", "router ospf 3", "cdp holdtime 240",
                           "username bob password two", " description link to Bravo"})
    EXPECT_NE(alpha.find(line), std::string::npos) << line;
  EXPECT_NE(r.startup_config.find("hostname Alpha\r"), std::string::npos);
  EXPECT_EQ(lab_text(*opened.sim, false), first);  // by the topology name the first one gave

  EXPECT_EQ(opened.sim->sim_clock, live.sim->sim_clock);
  int statics = 0, connected = 0;
  for (int i = 1; i <= r.route_count; ++i) {
    statics += r.routes[i].code == 'S';
    connected += r.routes[i].code == 'C';
  }
  EXPECT_EQ(statics, 2);
  EXPECT_EQ(connected, 2);
  EXPECT_EQ(r.cdp_neighbor_count, 0);

  const std::size_t shown = opened.sim->router(1)->console.transcript().size();
  opened.sim->scheduler.advance(120'000);
  const std::string later = opened.sim->router(1)->console.transcript().substr(shown);
  EXPECT_EQ(later.find("changed state"), std::string::npos) << later;
  EXPECT_EQ(r.interfaces[1].line_protocol, LinkState::Up);
}

TEST_F(LabRoundTrip, TranscriptsComeBackOnlyWhenSaved) {
  const std::string typed = live.router(1).console.transcript();
  const OpenedLab with = reopen(lab_text(*live.sim, true));
  ASSERT_TRUE(with.sim) << with.error;
  EXPECT_EQ(with.sim->router(1)->console.transcript(), typed);
  const OpenedLab without = reopen(lab_text(*live.sim, false));
  ASSERT_TRUE(without.sim) << without.error;
  EXPECT_EQ(without.sim->router(1)->console.transcript().find("hostname"), std::string::npos);
}

// The student's name comes back, grading reads the same field, and a lab without a name is
// written without the field.
TEST_F(LabRoundTrip, TheStudentsNameComesBackAndOnlyWhenSet) {
  EXPECT_EQ(lab_text(*live.sim, false).find("\"student\":"), std::string::npos);
  live.sim->student = "Bob M\xfcller";  // the core's bytes: \xfc is \u00fc in the file
  const std::string text = lab_text(*live.sim, false);
  EXPECT_NE(text.find("\"student\": \"Bob M\xc3\xbcller\""), std::string::npos) << text;
  EXPECT_EQ(hand_in_of_text(text).student, live.sim->student);
  // Cut short, the name is still found for the grading row.
  EXPECT_EQ(hand_in_of_text(text.substr(0, text.find("\"topology\""))).student, live.sim->student);
  const OpenedLab opened = reopen(text);
  ASSERT_TRUE(opened.sim) << opened.error;
  EXPECT_EQ(opened.sim->student, live.sim->student);
  EXPECT_EQ(lab_text(*opened.sim, false), text);
}

// A byte is a Latin-1 character in the core (as the desktop shows it) and that character in the
// file: every byte comes back, whether the face typed Latin-1 (the desktop) or UTF-8 (a terminal).
TEST_F(LabRoundTrip, EveryByteOfTypedTextComesBack) {
  const std::string latin1 = "Caf\xe9";        // é as the desktop types it
  const std::string utf8 = "Caf\xc3\xa9\xff";  // é as a terminal types it, and a stray byte
  live.router(1).record.hostname = latin1;
  live.router(2).record.hostname = utf8;
  const std::string text = lab_text(*live.sim, true);
  EXPECT_TRUE(nlohmann::json::accept(text)) << "the file is valid UTF-8 JSON";
  EXPECT_NE(text.find("\"hostname\": \"Caf\xc3\xa9\""), std::string::npos);
  const OpenedLab opened = reopen(text);
  ASSERT_TRUE(opened.sim) << opened.error;
  EXPECT_EQ(opened.sim->router(1)->record.hostname, latin1);
  EXPECT_EQ(opened.sim->router(2)->record.hostname, utf8);
}

// A real-router lab keeps what only real routers have: clock rates, bandwidths, PAP and CHAP names,
// passive interfaces, line settings, RIP's version and options, OSPF's router ID, equal paths,
// redistribution, scrambled passwords, timestamps, host names, and loopbacks (no part of the
// topology: saved after its interfaces and created again in their places). Its configuration comes
// back line for line, and a classic lab's file holds none of it.
TEST(RealRouterLabRoundTrip, KeepsWhatOnlyRealRoutersHave) {
  TestSimulation live{testing::kTwoRouters};
  live.sim->behaviour = Behaviour::RealRouter;
  live.sim->active_router = 1;
  live.type(
      "\renable\rconfigure terminal\rservice password-encryption\r"
      "service timestamps log datetime msec\rno ip domain-lookup\rip host Lab2 10.1.1.2\r"
      "username admin privilege 15 secret Adm1n\rline con 0\rpassword kolvo\r"
      "logging synchronous\rexec-timeout 0 0\rlogin\rline vty 0 15\rlogin\rinterface serial 0\r"
      "ip address 10.1.1.1 255.255.255.0\rclock rate 64000\rbandwidth 128\rdelay 2000\r"
      "encapsulation ppp\rppp authentication pap\rppp pap sent-username R1 password papR1\r"
      "ppp chap hostname SITE1\rppp chap password 0 Chap1\r"
      "ip summary-address rip 10.0.0.0 255.0.0.0\rip summary-address eigrp 9 10.0.0.0 "
      "255.0.0.0\rip ospf authentication null\r"
      "ip ospf message-digest-key 2 md5 Key2\rip ospf hello-interval 5\r"
      "ip ospf dead-interval 30\rno shutdown\rrouter rip\rversion 2\rno auto-summary\r"
      "default-information originate\rnetwork 10.0.0.0\rpassive-interface serial 0\r"
      "maximum-paths 2\rredistribute static metric 3\r"
      "router ospf 1\rrouter-id 1.1.1.1\rauto-cost reference-bandwidth 1000\r"
      "area 0 authentication message-digest\rarea 51 authentication\r"
      "network 10.1.1.0 0.0.0.255 area 0\rinterface loopback 5\r"
      "ip address 10.5.5.5 255.255.255.255\rinterface lo0\rip address 10.0.0.1 255.255.255.0\r"
      "end\r");
  const std::string text = lab_text(*live.sim, false);
  ScriptedHost host;
  const OpenedLab opened =
      open_lab_text(text, host, {testing::bin_dir(), live.dir.path() / "x.log"});
  ASSERT_TRUE(opened.sim) << opened.error;
  const std::string before = show_real_router_running_config(live.router(1).record);
  for (const char* line : {"clock rate 64000",
                           "bandwidth 128",
                           "password 7 ",
                           "logging synchronous",
                           "line vty 5 15",
                           "version 2",
                           "passive-interface Serial0",
                           "router-id",
                           "auto-cost reference-bandwidth 1000",
                           "ip ospf authentication null",
                           "message-digest-key 2 md5 7 ",
                           "hello-interval 5",
                           "dead-interval 30",
                           "area 0 authentication message-digest",
                           "area 51 authentication\r\n",
                           "username admin privilege 15 secret 5 ",
                           "ppp chap hostname SITE1",
                           "ppp chap password 7 ",
                           "maximum-paths 2",
                           "redistribute static metric 3",
                           "summary-address eigrp 9 10.0.0.0 255.0.0.0",
                           "timestamps log datetime msec",
                           "no ip domain-lookup",
                           "ip host Lab2 10.1.1.2"})
    EXPECT_NE(before.find(line), std::string::npos) << line;
  EXPECT_EQ(show_real_router_running_config(opened.sim->router(1)->record), before);
  EXPECT_EQ(lab_text(*opened.sim, false), text);
  const RouterRecord& r = opened.sim->router(1)->record;
  ASSERT_EQ(r.interface_count, 5);
  EXPECT_EQ(std::tuple(r.interfaces[4].name, r.interfaces[4].ip_address, r.interfaces[5].name,
                       r.interfaces[5].line_protocol),
            std::tuple("Loopback5", "10.5.5.5", "Loopback0", LinkState::Up));
  EXPECT_EQ(opened.sim->router(2)->record.interface_count, 2);
  EXPECT_EQ(lab_text(*TestSimulation(testing::kTwoRouters).sim, false).find("real_router"),
            std::string::npos);
}

}  // namespace
}  // namespace zorva
