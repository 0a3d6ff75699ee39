// Grading a class as a learning platform hands it back: a folder per student, stray files, damaged
// and hostile hand-ins; the table, the CSV and the report read back.
#include "lab/grading.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "lab/lab_file.h"
#include "term/check_command.h"
#include "tests/lab/lab_fixture.h"

namespace zorva {
namespace {

namespace fs = std::filesystem;
using testing::checks_of;
using testing::file_text;
using testing::TestSimulation;

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

class Grading : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::type_full_lab(done);
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
    std::ofstream(checks_file(), std::ios::binary) << checks_text;
  }
  fs::path checks_file() const { return done.dir.path() / "lab06.checks"; }
  fs::path root() const { return done.dir.path() / "class"; }
  void write(const std::string& name, const std::string& text) const {
    fs::create_directories((root() / name).parent_path());
    std::ofstream(root() / name, std::ios::binary) << text;
  }
  int grade(std::vector<std::string> args) {
    args.insert(args.begin(), {"--grade", checks_file().string()});
    out.str("");
    err.str("");
    return *run_check_command(args, testing::bin_dir(), out, err);
  }

  TestSimulation done{testing::kTwoRouters};
  TestSimulation untouched{testing::kTwoRouters};
  const std::string checks_text =
      "router 1 running-config has \"hostname AlphaAfterSave\"  # part A\r\n"
      "wait 10\r\n"
      "router 1 can ping 10.1.1.2\r\n"
      "router 2 interface Ethernet0 line protocol up\r\n";
  std::ostringstream out, err;
};

TEST_F(Grading, AFolderTreeIsGradedWithTheCsvAndReportReadBack) {
  const fs::path csv = done.dir.path() / "grades.csv", report = done.dir.path() / "report";
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

  std::ofstream(checks_file(), std::ios::binary) << "# nothing to check\n";
  EXPECT_EQ(grade({ann}), 2);
  EXPECT_NE(err.str().find("holds no checks"), std::string::npos) << err.str();
}

TEST_F(Grading, TheSameResultsOnOneThreadAndOnMany) {
  const ClassFiles files = lab_files_of({root().string()});
  const std::vector<Check> checks = checks_of(checks_text);
  EXPECT_EQ(grade_csv(grade_labs(files.labs, checks, testing::bin_dir(), 1), checks),
            grade_csv(grade_labs(files.labs, checks, testing::bin_dir(), 0), checks));
}

}  // namespace
}  // namespace zorva
