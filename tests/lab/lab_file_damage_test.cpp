// Lab files that are damaged, foreign, too new, too large or too deep open nothing and say why;
// fields this version does not know are ignored; what is saved opens again, also through a
// symbolic link.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>

#include "lab/lab_file.h"
#include "reports/reports.h"
#include "tests/lab/lab_fixture.h"

namespace zorva {
namespace {

using nlohmann::json;
using testing::file_text;
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
  EXPECT_TRUE(host.boxes.empty());  // refused before anything is built, warnings and all
}

INSTANTIATE_TEST_SUITE_P(
    WrongTypesAndValues, LabFieldDamage,
    ::testing::Values(
        Damage{"/format", "something-else", "not a Zorva lab file"},
        Damage{"/version", "1", "version"}, Damage{"/version", 3, "newer Zorva"},
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
        Damage{"/routers/0/interfaces/0/encapsulation", "ppp",
               "interfaces[1].encapsulation: HDLC, PPP, ARPA or ETHERNET was expected"},
        Damage{"/routers/0/interfaces/0/line/status", "UP", "line.status: up or down"},
        Damage{"/consoles/routers/0/mode", 15, "consoles.routers[1].mode"},
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
        Damage{"/routers/0/number", 2, "routers[1].number"},
        Damage{"/topology", testing::topology(3, 1, 1), "the topology names 3 routers, the file 2"},
        Damage{"/topology", testing::topology(60, 1, 1),
               "the lab names 60 routers; Zorva holds at most 50"},
        Damage{"/routers", json::array_t(60, json::object()), "60 routers where at most 50 fit"},
        Damage{"/routers/1/static_routes",  // refused, not cut
               [] {
                 json routes = json::array();
                 for (int i = 0; i < 10'000; ++i)
                   routes.push_back({{"network", "10." + std::to_string(i / 256) + "." +
                                                     std::to_string(i % 256) + ".0"},
                                     {"prefix_length", 24},
                                     {"next_hop", "10.1.1.2"}});
                 return routes;
               }(),
               "10000 static routes where at most 80 fit"}));

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

// Files as a student might hand them in or another program leave them, made from the text of a
// saved lab: each opens, or is refused with a message, and none brings the program down.
TEST_F(LabDamage, HandedInFilesOpenOrSayWhyWithoutCrashing) {
  const std::string deep = std::string(100'000, '[') + std::string(100'000, ']');
  struct HandedIn {
    const char* what;
    std::function<std::string(const std::string& saved)> text;
    const char* message;  // a part of the refusal; "" when the file must open
  };
  const std::vector<HandedIn> rows = {
      {"nested 100 000 levels deep", [&](const std::string&) { return "{\"x\":" + deep + "}"; },
       "more than 64 levels deep"},
      {"a deep field in a whole lab",
       [&](const std::string& saved) { return "{\"wallpaper\":" + deep + "," + saved.substr(1); },
       "more than 64 levels deep"},
      {"brackets inside a text do not count",
       [&](const std::string& saved) {
         json j = json::parse(saved);
         j["routers"][0]["banner_motd"] = deep + "\"[{";
         return j.dump();
       },
       ""},
      {"64 levels of an unknown field",
       [&](const std::string& saved) {
         return "{\"x\":" + std::string(63, '[') + std::string(63, ']') + "," + saved.substr(1);
       },
       ""},
      {"a UTF-8 byte-order mark", [](const std::string& saved) { return "\xEF\xBB\xBF" + saved; },
       ""},
      {"a byte-order mark before a picture",
       [](const std::string&) { return std::string("\xEF\xBB\xBF\x89PNG"); },
       "not a Zorva lab file"},
  };
  const std::string saved = lab_text(*fresh.sim, false);
  for (const HandedIn& row : rows) {
    const OpenedLab opened = open(row.text(saved));
    if (*row.message == '\0') {
      EXPECT_TRUE(opened.sim) << row.what << ": " << opened.error;
    } else {
      EXPECT_FALSE(opened.sim) << row.what;
      EXPECT_NE(opened.error.find(row.message), std::string::npos)
          << row.what << ": " << opened.error;
    }
  }
}

// Whatever is saved opens again; a lab the reader would refuse is not saved, and the file keeps
// the lab it held.
TEST_F(LabDamage, WhatIsSavedOpensAndWhatWouldNotOpenIsNotSaved) {
  struct Saving {
    const char* what;
    std::function<void(TestSimulation&)> change;
    const char* message;  // a part of the refusal to save; "" when it must save and open
  };
  const std::vector<Saving> rows = {
      {"a clock past 2 147 483 647 seconds",
       [](TestSimulation& t) { t.sim->sim_clock = std::numeric_limits<Int32>::min(); }, ""},
      {"a clock at its last second", [](TestSimulation& t) { t.sim->sim_clock = -1; }, ""},
      {"addresses in a spelling the router takes",
       [](TestSimulation& t) {
         t.type(
             "\renable\rconfigure terminal\rinterface serial 0\r"
             "ip address +10.1.1.1 255.255.255.0\rexit\r"
             "ip route 10.9.0.0 255.255.0.0 +10.1.1.2\rend\r");
         ASSERT_EQ(t.router(1).record.interfaces[1].ip_address, "+10.1.1.1");
       },
       ""},
      {"a text longer than a lab file may be",
       [](TestSimulation& t) { t.router(1).record.banner_motd.assign(kLabFileSizeLimit, 'x'); },
       "more than the 64 MiB a lab file may hold"},
  };
  const std::filesystem::path file = fresh.dir.path() / "saved.zlab";
  const std::string before = lab_text(*fresh.sim, false);
  for (const Saving& row : rows) {
    TestSimulation live{testing::kTwoRouters};
    row.change(live);
    fresh.dir.write("saved.zlab", before);
    const std::string error = save_lab(*live.sim, file, false);
    if (*row.message != '\0') {
      EXPECT_NE(error.find(row.message), std::string::npos) << row.what << ": " << error;
      EXPECT_EQ(file_text(file), before) << row.what;
      continue;
    }
    ASSERT_EQ(error, "") << row.what;
    const OpenedLab opened =
        open_lab_file(file, host, {testing::bin_dir(), fresh.dir.path() / "open.log"});
    ASSERT_TRUE(opened.sim) << row.what << ": " << opened.error;
    EXPECT_EQ(opened.sim->sim_clock, live.sim->sim_clock) << row.what;
    EXPECT_EQ(lab_text(*opened.sim, false), file_text(file)) << row.what;
  }
}

// Saving through a symbolic link replaces the file the link leads to; the link stays a link.
TEST_F(LabDamage, SavingThroughALinkWritesItsTarget) {
  namespace fs = std::filesystem;
  struct Link {
    const char* what;
    const char* target;  // what the link holds, relative to the link's folder when relative
    const char* shared;  // the file that must receive the lab, in the temporary folder
    bool shared_exists;  // the file is there before the save
  };
  const std::vector<Link> rows = {
      {"a relative link into another folder", "../shared/class.zlab", "shared/class.zlab", true},
      {"an absolute link", "", "shared/class.zlab", true},
      {"a link to a link", "hop.zlab", "shared/class.zlab", true},
      {"a link to a file not yet there", "../shared/new.zlab", "shared/new.zlab", false},
  };
  const fs::path root = fresh.dir.path();
  fs::create_directories(root / "shared");
  fs::create_directories(root / "student");
  for (const Link& row : rows) {
    const fs::path shared = root / row.shared;
    fs::remove(shared);
    if (row.shared_exists) fresh.dir.write(row.shared, "old contents");
    const fs::path link = root / "student" / "lab.zlab";
    fs::remove(link);
    fs::remove(root / "student" / "hop.zlab");
    if (std::string(row.target) == "hop.zlab") {
      fs::create_symlink("../shared/class.zlab", root / "student" / "hop.zlab");
      fs::create_symlink("hop.zlab", link);
    } else {
      fs::create_symlink(*row.target != '\0' ? fs::path(row.target) : shared, link);
    }
    fresh.router(1).record.hostname = "Linked";
    ASSERT_EQ(save_lab(*fresh.sim, link, false), "") << row.what;
    EXPECT_TRUE(fs::is_symlink(link)) << row.what;
    EXPECT_EQ(file_text(shared), lab_text(*fresh.sim, false)) << row.what;
    EXPECT_FALSE(fs::exists(shared.string() + ".saving")) << row.what;
  }
}

}  // namespace
}  // namespace zorva
