// Lab files that are damaged, foreign, too new or too large open nothing and say why; fields this
// version does not know are ignored.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "lab/lab_file.h"
#include "reports/reports.h"
#include "tests/lab/lab_fixture.h"

namespace zorva {
namespace {

using nlohmann::json;
using testing::TestSimulation;

class LabDamage : public ::testing::Test {
 protected:
  OpenedLab open(const std::string& text) {
    return open_lab_text(text, host, {testing::bin_dir(), fresh.dir.path() / "open.log"});
  }
  OpenedLab open(const json& j) { return open(j.dump()); }
  json saved() { return json::parse(lab_text(*fresh.sim, false)); }

  TestSimulation fresh{testing::kTwoRouters};
  ScriptedHost host;
};

TEST_F(LabDamage, EveryTruncationOfASmallLabIsRefused) {
  const std::string text = lab_text(*fresh.sim, false);
  ASSERT_EQ(text.substr(text.size() - 2), "}\n");
  // Without the final line end the file is still whole; every shorter cut is damaged.
  for (std::size_t length = 0; length + 1 < text.size(); ++length) {
    const OpenedLab opened = open(text.substr(0, length));
    ASSERT_FALSE(opened.sim) << "opened when cut at byte " << length;
    ASSERT_NE(opened.error.find(length == 0 ? "empty" : "damaged"), std::string::npos)
        << opened.error;
  }
  EXPECT_TRUE(open(text.substr(0, text.size() - 1)).sim);
}

struct Damage {
  const char* pointer;  // the field changed
  json value;           // its new value
  const char* message;  // a part of the message that must name the fault
};

class LabFieldDamage : public LabDamage, public ::testing::WithParamInterface<Damage> {};

TEST_P(LabFieldDamage, IsRefusedWithAMessageNamingTheField) {
  json j = saved();
  j[json::json_pointer(GetParam().pointer)] = GetParam().value;
  const OpenedLab opened = open(j);
  EXPECT_FALSE(opened.sim);
  EXPECT_NE(opened.error.find(GetParam().message), std::string::npos) << opened.error;
}

INSTANTIATE_TEST_SUITE_P(
    WrongTypesAndValues, LabFieldDamage,
    ::testing::Values(
        Damage{"/format", "something-else", "not a Zorva lab file"},
        Damage{"/version", "1", "version"}, Damage{"/version", 2, "newer Zorva"},
        Damage{"/version", 0, "version"}, Damage{"/clock", -5, "clock"},
        Damage{"/clock", 1.5, "clock"}, Damage{"/topology", 3, "topology: a text"},
        Damage{"/routers", json::object(), "routers: a list"},
        Damage{"/routers/0", "Alpha", "routers[1]: an object"},
        Damage{"/routers/0/hostname", 5, "routers[1].hostname: a text"},
        Damage{"/routers/1/enable_secret", json::array(), "routers[2].enable_secret"},
        Damage{"/routers/0/cdp/run", "yes", "routers[1].cdp.run: true or false"},
        Damage{"/routers/0/interfaces/0/ospf_cost", 70000,
               "routers[1].interfaces[1].ospf_cost: a whole number from -32768 to 32767"},
        Damage{"/routers/0/interfaces/0/shutdown", 1, "interfaces[1].shutdown"},
        Damage{"/routers/0/interfaces/0/name", "Serial9", "the topology has Serial0 here"},
        Damage{"/routers/0/interfaces/0/ip_address", "banana", "ip_address: a dotted address"},
        Damage{"/routers/0/interfaces/0/prefix_length", 33, "prefix_length"},
        Damage{"/routers/0/interfaces", json::array(), "the topology gives this router 3"},
        Damage{"/routers/0/users",
               json::array({json::object(), json::object(), json::object(), json::object(),
                            json::object(), json::object()}),
               "6 users where at most 5 fit"},
        Damage{"/routers/0/routing/rip/networks", json::array({"10.0.0.0", 7}),
               "routing.rip.networks: entry 2"},
        Damage{"/routers/0/static_routes",
               json::array({{{"network", "10.1.1"}, {"next_hop", "10.1.1.2"}}}),
               "static_routes[1].network"},
        Damage{"/routers/0/static_routes",
               json::array({{{"network", "10.9.0.0"}, {"prefix_length", 16}}}),
               "static_routes[1].next_hop"},
        Damage{"/routers/0/number", 2, "routers[1].number"}));

TEST_F(LabDamage, MissingTopLevelFieldsAreRefused) {
  for (const char* field : {"format", "version", "topology", "routers"}) {
    json j = saved();
    j.erase(field);
    const OpenedLab opened = open(j);
    EXPECT_FALSE(opened.sim) << field;
    EXPECT_FALSE(opened.error.empty()) << field;
  }
}

TEST_F(LabDamage, MissingRouterFieldsKeepTheValuesOfAFreshRouter) {
  json j = saved();
  j["routers"][0] = {{"hostname", "Solo"}};
  const OpenedLab opened = open(j);
  ASSERT_TRUE(opened.sim) << opened.error;
  const RouterRecord& r = opened.sim->router(1)->record;
  EXPECT_EQ(r.hostname, "Solo");
  EXPECT_EQ(r.interface_count, 3);
  EXPECT_EQ(r.cdp_holdtime, 180);
}

TEST_F(LabDamage, UnknownFieldsAreIgnored) {
  json j = saved();
  j["written_by_a_later_version"] = {{"anything", 1}};
  j["routers"][0]["wallpaper"] = "blue";
  j["routers"][0]["interfaces"][0]["duplex"] = "full";
  j["routers"][0]["routing"]["isis"] = {{"enabled", true}};
  const OpenedLab opened = open(j);
  ASSERT_TRUE(opened.sim) << opened.error;
  EXPECT_EQ(build_running_config(opened.sim->router(1)->record),
            build_running_config(fresh.router(1).record));
}

TEST_F(LabDamage, TenThousandStaticRoutesAreRefusedNotCut) {
  json j = saved();
  json routes = json::array();
  for (int i = 0; i < 10'000; ++i)
    routes.push_back(
        {{"network", "10." + std::to_string(i / 256) + "." + std::to_string(i % 256) + ".0"},
         {"prefix_length", 24},
         {"next_hop", "10.1.1.2"}});
  j["routers"][1]["static_routes"] = routes;
  const OpenedLab opened = open(j);
  EXPECT_FALSE(opened.sim);
  EXPECT_NE(opened.error.find("10000 static routes where at most 80 fit"), std::string::npos)
      << opened.error;
}

TEST_F(LabDamage, PasswordsOfFiveThousandCharactersComeBackWhole) {
  const std::string long_text(5000, 'p');
  json j = saved();
  for (const char* field : {"enable_password", "enable_secret", "console_password", "vty_password",
                            "aux_password", "banner_motd"})
    j["routers"][0][field] = long_text;
  j["routers"][0]["users"] = json::array({{{"name", "ann"}, {"password", long_text}}});
  const OpenedLab opened = open(j);
  ASSERT_TRUE(opened.sim) << opened.error;
  const RouterRecord& r = opened.sim->router(1)->record;
  EXPECT_EQ(r.enable_secret, long_text);
  EXPECT_EQ(r.user_passwords[1], long_text);
  EXPECT_EQ(json::parse(lab_text(*opened.sim, false))["routers"][0]["vty_password"], long_text);
}

TEST_F(LabDamage, SixtyRoutersAreRefusedBeforeAnythingIsBuilt) {
  json j = saved();
  j["topology"] = testing::topology(60, 1, 1);
  OpenedLab opened = open(j);
  EXPECT_FALSE(opened.sim);
  EXPECT_NE(opened.error.find("the lab names 60 routers; Zorva holds at most 50"),
            std::string::npos)
      << opened.error;
  EXPECT_TRUE(host.boxes.empty());  // not even the start-up's own warning

  j = saved();
  for (int i = 0; i < 58; ++i) j["routers"].push_back(j["routers"][0]);
  opened = open(j);
  EXPECT_FALSE(opened.sim);
  EXPECT_NE(opened.error.find("60 routers where at most 50 fit"), std::string::npos)
      << opened.error;
}

TEST_F(LabDamage, ATopologyThatDisagreesWithTheRoutersIsRefused) {
  json j = saved();
  j["topology"] = testing::topology(3, 1, 1);
  const OpenedLab opened = open(j);
  EXPECT_FALSE(opened.sim);
  EXPECT_NE(opened.error.find("the topology names 3 routers, the file 2"), std::string::npos)
      << opened.error;
}

TEST_F(LabDamage, ForeignAndMissingFilesSayWhatTheyAre) {
  const std::string picture = fresh.dir.write("photo.zlab", std::string("\x89PNG\r\n\x1a\n", 8));
  OpenedLab opened = open_lab_file(picture, host, {testing::bin_dir(), fresh.dir.path() / "l"});
  EXPECT_FALSE(opened.sim);
  EXPECT_NE(opened.error.find("photo.zlab: this is not a Zorva lab file"), std::string::npos)
      << opened.error;
  opened = open_lab_file(fresh.dir.path() / "absent.zlab", host,
                         {testing::bin_dir(), fresh.dir.path() / "l"});
  EXPECT_FALSE(opened.sim);
  EXPECT_NE(opened.error.find("cannot read"), std::string::npos) << opened.error;
}

}  // namespace
}  // namespace zorva
