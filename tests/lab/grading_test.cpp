// Grading a class: one row per file, in order, whatever the files hold.
#include "lab/grading.h"

#include <gtest/gtest.h>

#include <sstream>

#include "lab/lab_file.h"
#include "tests/lab/lab_fixture.h"

namespace zorva {
namespace {

using testing::checks_of;
using testing::TestSimulation;

class Grading : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::type_full_lab(done);
    ASSERT_EQ(save_lab(*done.sim, class_dir() / "ann.zlab", false), "");
    ASSERT_EQ(save_lab(*untouched.sim, class_dir() / "bob.zlab", false), "");
    const std::string whole = lab_text(*done.sim, false);
    write("carl.zlab", whole.substr(0, whole.size() / 2));
    write("notes.txt", "remember to grade, \"quoted\"\n");
    write(".hidden.zlab", "not graded");
  }
  std::filesystem::path class_dir() const {
    std::filesystem::create_directories(done.dir.path() / "class");
    return done.dir.path() / "class";
  }
  void write(const std::string& name, const std::string& text) const {
    std::ofstream(class_dir() / name, std::ios::binary) << text;
  }

  TestSimulation done{testing::kTwoRouters};
  TestSimulation untouched{testing::kTwoRouters};
  const std::vector<Check> checks = checks_of(
      "router 1 running-config has \"hostname AlphaAfterSave\"\n"
      "wait 10\n"
      "router 1 can ping 10.1.1.2\n"
      "router 2 interface Ethernet0 line protocol up\n");
};

TEST_F(Grading, OneRowPerFileInNameOrderAndDamagedFilesSaySo) {
  std::string error;
  const auto files = lab_files_of({class_dir().string()}, error);
  ASSERT_EQ(error, "");
  ASSERT_EQ(files.size(), 4u);  // the hidden file is left out
  const std::vector<GradeRow> rows = grade_labs(files, checks, testing::bin_dir(), 3);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].file.filename(), "ann.zlab");
  EXPECT_EQ(rows[0].report.passed(), 3);
  EXPECT_EQ(rows[1].file.filename(), "bob.zlab");
  EXPECT_EQ(rows[1].report.failed(), 3);
  EXPECT_NE(rows[2].report.error.find("damaged"), std::string::npos) << rows[2].report.error;
  EXPECT_NE(rows[3].report.error, "");

  const std::string table = grade_table(rows);
  EXPECT_NE(table.find("ann.zlab"), std::string::npos) << table;
  EXPECT_NE(table.find("line 1, 3, 4"), std::string::npos) << table;
  EXPECT_NE(table.find("cannot grade: carl.zlab"), std::string::npos) << table;
  EXPECT_NE(table.find("4 labs graded, 2 could not be opened"), std::string::npos) << table;

  const std::string csv = grade_csv(rows);
  std::istringstream lines(csv);
  std::string header, ann, bob;
  std::getline(lines, header);
  std::getline(lines, ann);
  std::getline(lines, bob);
  EXPECT_EQ(header, "file,passed,failed,failed_checks,error");
  EXPECT_EQ(ann.substr(ann.find(',')), ",3,0,,");
  // A failed check's text holds quotes and commas, so the field is quoted and quotes doubled.
  EXPECT_NE(bob.find(",0,3,\"line 1: router 1 running-config has \"\"hostname AlphaAfterSave\"\""),
            std::string::npos)
      << bob;
}

TEST_F(Grading, TheSameResultsOnOneThreadAndOnMany) {
  std::string error;
  const auto files = lab_files_of({class_dir().string()}, error);
  EXPECT_EQ(grade_csv(grade_labs(files, checks, testing::bin_dir(), 1)),
            grade_csv(grade_labs(files, checks, testing::bin_dir(), 0)));
}

TEST_F(Grading, AFolderOfAThousandFilesIsGradedToTheEnd) {
  const std::string lab = lab_text(*done.sim, false);
  for (int i = 0; i < 1000; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "big/%04d.zlab", i);
    std::filesystem::create_directories(class_dir() / "big");
    // Every tenth file is a real lab; the others are cut short at a different place each.
    write(name, i % 10 == 0 ? lab : lab.substr(0, static_cast<std::size_t>(i) * 5));
  }
  std::string error;
  const auto files = lab_files_of({(class_dir() / "big").string()}, error);
  ASSERT_EQ(files.size(), 1000u);
  const std::vector<GradeRow> rows = grade_labs(files, checks, testing::bin_dir(), 0);
  ASSERT_EQ(rows.size(), 1000u);
  int graded = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].file, files[i]);
    if (rows[i].report.error.empty()) {
      ++graded;
      EXPECT_EQ(rows[i].report.passed(), 3) << rows[i].file;
    }
  }
  EXPECT_EQ(graded, 100);
}

TEST_F(Grading, ANameThatIsNeitherFileNorFolderIsAnError) {
  std::string error;
  EXPECT_TRUE(lab_files_of({(class_dir() / "absent").string()}, error).empty());
  EXPECT_NE(error.find("no such file or folder"), std::string::npos);
}

}  // namespace
}  // namespace zorva
