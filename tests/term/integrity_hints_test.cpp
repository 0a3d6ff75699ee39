// Integrity hints over a small class handed in as a folder per student: an edited topology, a
// configuration edited into the file rather than typed, hand-ins with identical configurations or
// transcripts, and labs that only look different (the same topology written another way, an
// untouched lab) that get no hint.
#include "lab/integrity_hints.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "lab/lab_file.h"
#include "term/check_command.h"
#include "tests/lab/lab_fixture.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::file_text;
using testing::TestSimulation;

// kTwoRouters written as another editor would: comments, other section order and case, the
// cables' ends swapped, diagram positions.
const char* kSameTopologyRewritten =
    "; the same two routers\r\n[connector2]\r\ndev1name=ROUTER2\r\ndev1interface=ethernet0\r\n"
    "dev2name=router1\r\ndev2interface=ETHERNET0\r\nconnectortype=ethernet\r\n"
    "[CONNECTOR1]\r\ndev1name=Router2\r\ndev1interface=Serial0\r\ndev2name=Router1\r\n"
    "dev2interface=Serial0\r\n[ROUTER2]\r\nSerial=1\r\nEthernet=1\r\nx=40\r\n"
    "[ROUTER1]\r\nSerial=2\r\nEthernet=1\r\nBri=0\r\n[GENERAL]\r\nnumberofconnectors=2\r\n"
    "numberofrouters=2\r\n";

class IntegrityHints : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::type_full_lab(done);
    const json typed = json::parse(lab_text(*done.sim, true));
    const json fresh = json::parse(lab_text(*untouched.sim, true));
    write("ann/lab.zlab", typed);
    write("ben/lab.zlab", typed);  // handed in twice
    json forged = typed;           // a host name edited into the file
    forged["routers"][0]["hostname"] = "Forged";
    write("cat/lab.zlab", forged);
    json cut = fresh;  // the Ethernet cable taken out of the topology
    std::string topology = testing::kTwoRouters;
    topology.replace(topology.find("numberofconnectors=2"), 20, "numberofconnectors=1");
    cut["topology"] = topology;
    write("dan/lab.zlab", cut);
    json rewritten = fresh;
    rewritten["topology"] = kSameTopologyRewritten;
    write("eve/lab.zlab", rewritten);
    std::ofstream(root() / "fay.zlab") << "{\"format\": \"zorva-lab\", \"routers\": [";
    std::ofstream(dir() / "lab.checks") << "router 1 running-config has \"hostname Forged\"\n";
    std::ofstream(dir() / "given.ini") << testing::kTwoRouters;
  }
  fs::path dir() const { return done.dir.path(); }
  fs::path root() const { return dir() / "class"; }
  void write(const std::string& name, const json& lab) const {
    fs::create_directories((root() / name).parent_path());
    std::ofstream(root() / name, std::ios::binary) << lab.dump(2);
  }

  TestSimulation done{testing::kTwoRouters};
  TestSimulation untouched{testing::kTwoRouters};
};

TEST_F(IntegrityHints, TheClassTableNamesEachHintAndNothingElse) {
  std::ostringstream out, err;
  const fs::path csv = dir() / "grades.csv", report = dir() / "report";
  const int status = *run_check_command(
      {"--grade", (dir() / "lab.checks").string(), root().string(), "--topology",
       (dir() / "given.ini").string(), "--csv", csv.string(), "--report", report.string()},
      testing::bin_dir(), out, err);
  EXPECT_EQ(status, 1) << err.str();
  const std::string table = out.str();

  struct Row {
    const char* student;
    const char* column;  // the hints' column of the row, "" for none
    const char* hint;    // a hint in words, "" for none
  };
  const Row rows[] = {
      // cat's file is ann's with a host name edited in: the same transcript, another configuration.
      {"ann", "identical", "ann: same configuration as ben; same transcript as ben and cat"},
      {"ben", "identical", "ben: same configuration as ann; same transcript as ann and cat"},
      {"cat", "untyped,identical",
       "cat: configuration not typed: no transcript shows router 1's host name Forged"},
      {"cat", "untyped,identical", "cat: same transcript as ann and ben"},
      {"dan", "topology",
       "dan: topology differs from given.ini: no cable Router1 Ethernet0 - Router2 Ethernet0"},
      {"eve", "", ""},
      {"fay.zlab", "", ""},
  };
  for (const Row& r : rows) {
    std::istringstream lines(table);
    std::string line;
    while (std::getline(lines, line) && !line.starts_with(r.student + std::string(" "))) {
    }
    const std::string column = line.size() > 26 ? line.substr(26) : "";
    EXPECT_EQ(column.substr(0, column.find(' ')), r.column) << r.student << "\n" << table;
    if (*r.hint) {
      EXPECT_NE(table.find("\n  " + std::string(r.hint) + "\n"), std::string::npos) << table;
    } else {
      EXPECT_EQ(table.find("\n  " + std::string(r.student) + ": "), std::string::npos) << table;
    }
  }
  EXPECT_NE(table.find("Hints (worth a closer look; not verdicts):"), std::string::npos);

  // The CSV's last column and the overview carry the hints; a student's own page never does.
  EXPECT_NE(
      file_text(csv).find(",configuration not typed: no transcript shows router 1's host name "
                          "Forged; same transcript as ann and ben\n"),
      std::string::npos)
      << file_text(csv);
  const std::string index = file_text(report / "index.html");
  EXPECT_NE(index.find("<td class=\"hint\">same configuration as ben; same transcript as ben and "
                       "cat</td>"),
            std::string::npos);
  EXPECT_EQ(file_text(report / "3-cat.html").find("not typed"), std::string::npos);
}

TEST_F(IntegrityHints, AnExpectedTopologyThatCannotBeReadStopsTheGrading) {
  std::ostringstream out, err;
  const std::string missing = (dir() / "missing.ini").string();
  EXPECT_EQ(*run_check_command({"--grade", (dir() / "lab.checks").string(), root().string(),
                                "--topology", missing},
                               testing::bin_dir(), out, err),
            2);
  EXPECT_NE(err.str().find("cannot use the topology " + missing + ": "), std::string::npos)
      << err.str();
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace zorva
