// Grading a class as a learning platform hands it back: a folder per student, stray files, damaged
// and hostile hand-ins; the table, the CSV and the report read back. Then the integrity hints over
// such a class: an edited topology, a configuration edited into the file rather than typed,
// hand-ins with identical configurations or transcripts, and labs that only look different (the
// same topology written another way, an untouched lab) that get no hint.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "lab/grading.h"
#include "lab/integrity_hints.h"
#include "lab/lab_file.h"
#include "term/check_command.h"
#include "tests/lab/lab_fixture.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::checks_of;
using testing::file_text;
using testing::TestSimulation;

// A class's hand-ins, in a folder beside the lab a student typed in full and an untouched one.
class ClassFolder : public ::testing::Test {
 protected:
  void SetUp() override { testing::type_full_lab(done); }
  fs::path dir() const { return done.dir.path(); }
  fs::path root() const { return dir() / "class"; }
  void write(const std::string& name, const std::string& text) const {
    fs::create_directories((root() / name).parent_path());
    std::ofstream(root() / name, std::ios::binary) << text;
  }
  // zorva-term --grade with the class's check file and `args`: its exit status.
  int grade(std::vector<std::string> args) {
    args.insert(args.begin(), {"--grade", checks.string()});
    out.str("");
    err.str("");
    return *run_check_command(args, testing::bin_dir(), out, err);
  }

  TestSimulation done{testing::kTwoRouters};
  TestSimulation untouched{testing::kTwoRouters};
  fs::path checks;  // the check file, written by each class's set-up
  std::ostringstream out, err;
};

// The rows of a CSV text, each a list of its fields.
std::vector<std::vector<std::string>> csv_rows(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
      rows.back().back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == ',') {
      rows.back().emplace_back();
    } else if (!quoted && c == '\n') {
      if (i + 1 < text.size()) rows.emplace_back(1);
    } else {
      rows.back().back() += c;
    }
  }
  return rows;
}

class Grading : public ClassFolder {
 protected:
  void SetUp() override {
    ClassFolder::SetUp();
    const std::string good = lab_text(*done.sim, false);
    const std::string fresh = lab_text(*untouched.sim, false);
    write("ann/lab06.zlab", good);
    // Bob's lab names him (each byte of the core's text written as the character of its code).
    write("bob/lab06.zlab", "{\n  \"student\": \"Bob M\\u00fcller\"," + fresh.substr(1));
    write("carl/sub/lab06.zlab", good.substr(0, good.size() / 2));
    write("=HYPERLINK(\"x\").zlab", good);
    write("-x.zlab", good);
    write("eve/answer.json", good);  // a lab by its text, whatever its name
    std::string evil = good;
    evil.replace(evil.find("AlphaAfterSave"), 14, "Alpha\\u001b[2J");
    write("mal/lab06.zlab", evil);
    write("fay/deep.zlab", "{\"x\":" + std::string(100000, '[') + std::string(100000, ']') + "}");
    write("Thumbs.db", "not a lab");
    write(".hidden/lab06.zlab", good);
    fs::create_directories(root() / "dave");
    fs::create_symlink(root() / "dave" / "gone.zlab", root() / "dave" / "lab06.zlab");
    checks = dir() / "lab06.checks";
    std::ofstream(checks, std::ios::binary) << checks_text;
  }

  const std::string checks_text =
      "router 1 running-config has \"hostname AlphaAfterSave\"  # part A\r\n"
      "wait 10\r\n"
      "router 1 can ping 10.1.1.2\r\n"
      "router 2 interface Ethernet0 line protocol up\r\n";
};

TEST_F(Grading, AFolderTreeIsGradedWithTheCsvAndReportReadBack) {
  const fs::path csv = dir() / "grades.csv", report = dir() / "report";
  EXPECT_EQ(grade({root().string(), "--csv", csv.string(), "--report", report.string()}), 1)
      << err.str();
  const std::string table = out.str();
  EXPECT_EQ(table.find('\x1b'), std::string::npos) << "escape sequences reached the terminal";

  // One row per lab, named by the lab, its subfolder or its path; the strays listed apart.
  const auto rows = csv_rows(file_text(csv));
  ASSERT_EQ(rows.size(), 10u) << file_text(csv);
  EXPECT_EQ(rows[0][0], "\xEF\xBB\xBFstudent");
  EXPECT_EQ(rows[0].size(), 4u + 3u + 3u);
  EXPECT_EQ(rows[0][4], "line 1: router 1 running-config has \"hostname AlphaAfterSave\"");
  std::map<std::string, std::vector<std::string>> by_name;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].size(), rows[0].size()) << rows[i][0];
    by_name[rows[i][0]] = rows[i];
  }
  std::vector<std::string> names;
  for (const auto& entry : by_name) names.push_back(entry.first);
  EXPECT_EQ(names,
            (std::vector<std::string>{"'-x.zlab", "'=HYPERLINK(\"x\").zlab", "Bob M\xC3\xBCller",
                                      "ann", "carl", "dave", "eve", "fay", "mal"}))
      << table;
  EXPECT_EQ(by_name["ann"][2], "3");
  EXPECT_EQ((std::vector<std::string>(by_name["ann"].begin() + 4, by_name["ann"].begin() + 7)),
            (std::vector<std::string>{"pass", "pass", "pass"}));
  EXPECT_EQ(by_name["Bob M\xC3\xBCller"][3], "3");
  EXPECT_EQ(by_name["eve"][2], "3");
  EXPECT_EQ(by_name["mal"][4], "fail");
  EXPECT_NE(by_name["mal"][7].find("similar: hostname Alpha^[[2J"), std::string::npos);
  EXPECT_NE(by_name["carl"][8].find("damaged"), std::string::npos);
  EXPECT_NE(by_name["dave"][8].find("cannot read"), std::string::npos);
  EXPECT_NE(by_name["dave"][8].find("No such file or directory"), std::string::npos);
  EXPECT_NE(by_name["fay"][8].find("nested more than 64 levels"), std::string::npos);
  EXPECT_NE(table.find("Not graded:\n  " + (root() / "Thumbs.db").string() + " (not a lab file)"),
            std::string::npos)
      << table;
  EXPECT_EQ(table.find("hidden"), std::string::npos);
  // Class totals under the table: 6 labs opened, 3 not.
  EXPECT_NE(table.find("6 labs graded, 3 could not be opened"), std::string::npos) << table;
  EXPECT_NE(table.find("     4       2        3  line 1: router 1 running-config"),
            std::string::npos)
      << table;

  // The overview links one page per student; each page says what failed in plain words.
  const std::string index = file_text(report / "index.html");
  std::size_t links = 0;
  for (std::size_t at = index.find("<tr><td><a href=\""); at != std::string::npos;
       at = index.find("<tr><td><a href=\"", at + 1)) {
    const std::size_t from = at + 17;
    const std::string page = file_text(report / index.substr(from, index.find('"', from) - from));
    EXPECT_NE(page.find("<h1>"), std::string::npos);
    ++links;
  }
  EXPECT_EQ(links, 9u);
  EXPECT_EQ(index.find('\x1b'), std::string::npos);
  const std::string bob = file_text(report / "4-bob-m-ller.html");
  EXPECT_NE(bob.find("<h1>Bob M\xC3\xBCller</h1>"), std::string::npos);
  EXPECT_NE(bob.find("0 of 3 checks passed"), std::string::npos);
  EXPECT_NE(bob.find("Router 1 should get replies when it pings 10.1.1.2."), std::string::npos);
  EXPECT_NE(bob.find("Found: Success rate is 0 percent"), std::string::npos);
}

TEST_F(Grading, ExitStatusAndFilesThatCannotBeWritten) {
  const std::string ann = (root() / "ann" / "lab06.zlab").string();
  EXPECT_EQ(grade({ann}), 0) << err.str();
  // A hand-in whose name starts with a dash is a file, not an option.
  const fs::path was = fs::current_path();
  fs::current_path(root());
  EXPECT_EQ(grade({"-x.zlab"}), 0) << err.str();
  EXPECT_EQ(grade({"--", "-x.zlab"}), 0) << err.str();
  fs::current_path(was);
  EXPECT_EQ(grade({ann, (root() / "bob").string()}), 1);
  EXPECT_EQ(grade({(root() / "nobody").string()}), 1);
  EXPECT_NE(out.str().find("No such file or directory"), std::string::npos) << out.str();

  // A CSV that cannot be written says why.
  const fs::path csv = root() / "absent" / "grades.csv";
  EXPECT_EQ(grade({ann, "--csv", csv.string()}), 2);
  EXPECT_NE(err.str().find("cannot write " + csv.string() + ": No such file or directory"),
            std::string::npos)
      << err.str();

  std::ofstream(checks, std::ios::binary) << "# nothing to check\n";
  EXPECT_EQ(grade({ann}), 2);
  EXPECT_NE(err.str().find("holds no checks"), std::string::npos) << err.str();
}

TEST_F(Grading, TheSameResultsOnOneThreadAndOnMany) {
  const ClassFiles files = lab_files_of({root().string()});
  const std::vector<Check> checks = checks_of(checks_text);
  EXPECT_EQ(grade_csv(grade_labs(files.labs, checks, testing::bin_dir(), 1), checks),
            grade_csv(grade_labs(files.labs, checks, testing::bin_dir(), 0), checks));
}

// kTwoRouters written as another editor would: comments, other section order and case, the
// cables' ends swapped, diagram positions.
const char* kSameTopologyRewritten =
    "; the same two routers\r\n[connector2]\r\ndev1name=ROUTER2\r\ndev1interface=ethernet0\r\n"
    "dev2name=router1\r\ndev2interface=ETHERNET0\r\nconnectortype=ethernet\r\n"
    "[CONNECTOR1]\r\ndev1name=Router2\r\ndev1interface=Serial0\r\ndev2name=Router1\r\n"
    "dev2interface=Serial0\r\n[ROUTER2]\r\nSerial=1\r\nEthernet=1\r\nx=40\r\n"
    "[ROUTER1]\r\nSerial=2\r\nEthernet=1\r\nBri=0\r\n[GENERAL]\r\nnumberofconnectors=2\r\n"
    "numberofrouters=2\r\n";

class IntegrityHints : public ClassFolder {
 protected:
  void SetUp() override {
    ClassFolder::SetUp();
    const json typed = json::parse(lab_text(*done.sim, true));
    const json fresh = json::parse(lab_text(*untouched.sim, true));
    write("ann/lab.zlab", typed.dump(2));
    write("ben/lab.zlab", typed.dump(2));  // handed in twice
    json forged = typed;                   // a host name edited into the file
    forged["routers"][0]["hostname"] = "Forged";
    write("cat/lab.zlab", forged.dump(2));
    json cut = fresh;  // the Ethernet cable taken out of the topology
    std::string topology = testing::kTwoRouters;
    topology.replace(topology.find("numberofconnectors=2"), 20, "numberofconnectors=1");
    cut["topology"] = topology;
    write("dan/lab.zlab", cut.dump(2));
    json rewritten = fresh;
    rewritten["topology"] = kSameTopologyRewritten;
    write("eve/lab.zlab", rewritten.dump(2));
    write("fay.zlab", "{\"format\": \"zorva-lab\", \"routers\": [");
    checks = dir() / "lab.checks";
    std::ofstream(checks) << "router 1 running-config has \"hostname Forged\"\n";
    std::ofstream(dir() / "given.ini") << testing::kTwoRouters;
  }
};

TEST_F(IntegrityHints, TheClassTableNamesEachHintAndNothingElse) {
  const fs::path csv = dir() / "grades.csv", report = dir() / "report";
  EXPECT_EQ(grade({root().string(), "--topology", (dir() / "given.ini").string(), "--csv",
                   csv.string(), "--report", report.string()}),
            1)
      << err.str();
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
  const std::string missing = (dir() / "missing.ini").string();
  EXPECT_EQ(grade({root().string(), "--topology", missing}), 2);
  EXPECT_NE(err.str().find("cannot use the topology " + missing + ": "), std::string::npos)
      << err.str();
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace zorva
