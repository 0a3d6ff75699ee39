// The error log line and file, the program paths and the version text.
#include "base/error_log.h"

#include <gtest/gtest.h>

#include <fstream>

#include "base/app_paths.h"
#include "base/scripted_host.h"
#include "tests/support/test_paths.h"

namespace zorva {
namespace {

using testing::file_text;

// A log in a private folder, its lines stamped with a fixed time.
class ErrorLogTest : public ::testing::Test {
 protected:
  ErrorLogTest() { host.date_time = "05/12/2026 10:11:12"; }
  testing::TempDir d;
  ScriptedHost host;
  const std::filesystem::path file = d.path() / "zorva.log";
};

TEST_F(ErrorLogTest, LineCarriesTimeCommandWordsProcedureAndError) {
  ErrorLog log(host, file);
  log.set_last_command_words({"ip", "ospf", "cost", "99999"});
  EXPECT_EQ(log.format_line("exec cmd()", RuntimeError::Overflow, std::nullopt),
            "05/12/2026 10:11:12 - cmd: ip ospf cost 99999 -- exec cmd() - 6 - Overflow");
  EXPECT_EQ(log.format_line("txtin Keypress()", RuntimeError::SubscriptOutOfRange, "Router 2"),
            "05/12/2026 10:11:12 - cmd: ip ospf cost 99999 -- txtin Keypress() - Router 2 - 9 - "
            "Subscript out of range");
  ErrorLog fresh(host, d.path() / "other.log");
  EXPECT_EQ(fresh.format_line("x()", RuntimeError::Overflow, std::nullopt),
            "05/12/2026 10:11:12 - cmd:     -- x() - 6 - Overflow");
}

TEST_F(ErrorLogTest, AppendsLinesAndStartsAfreshEachRun) {
  ErrorLog log(host, file);
  log.log("a()", RuntimeError::TypeMismatch);
  log.log("b()", RuntimeError::FileNotFound);
  std::ifstream in(file);
  std::string l1, l2;
  std::getline(in, l1);
  std::getline(in, l2);
  EXPECT_NE(l1.find("a() - 13 - Type mismatch"), std::string::npos);
  EXPECT_NE(l2.find("b() - 53 - File not found"), std::string::npos);
  log.start_afresh();
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ErrorLogTest, UnwritableLogDoesNotStopAnything) {
  ErrorLog log(host, "/nonexistent-folder/zorva.log");
  log.log("x()", RuntimeError::Overflow);
  EXPECT_EQ(log.lines_written(), 1);
}

// A log of 162 bytes takes the three lines that fill it exactly, then one line saying that logging
// stopped, then nothing until it starts afresh.
TEST_F(ErrorLogTest, StopsWithOneLastLineAtItsLimitUntilTheNextStart) {
  ErrorLog log(host, file, 162);
  const std::string line = log.format_line("x()", RuntimeError::Overflow, std::nullopt) + "\r\n";
  ASSERT_EQ(line.size(), 54u);
  for (int n = 0; n < 20; ++n) log.log("x()", RuntimeError::Overflow);
  const std::string stop =
      "05/12/2026 10:11:12 - the log has reached 162 bytes; logging stopped "
      "until the next start\r\n";
  EXPECT_EQ(file_text(file), line + line + line + stop);
  EXPECT_TRUE(log.stopped());
  EXPECT_EQ(log.lines_written(), 20);

  log.start_afresh();
  log.log("x()", RuntimeError::Overflow);
  EXPECT_EQ(file_text(file), line);
  EXPECT_FALSE(log.stopped());
}

TEST_F(ErrorLogTest, StopLineNamesTheShippedLimitInMegabytes) {
  host.date_time = "t";
  std::filesystem::resize_file(d.write("zorva.log", ""), kErrorLogSizeLimit - 10);
  ErrorLog log(host, file);
  log.log("x()", RuntimeError::Overflow);
  const std::string stop =
      "t - the log has reached 10 MB; logging stopped until the next start\r\n";
  EXPECT_EQ(std::filesystem::file_size(file), kErrorLogSizeLimit - 10 + stop.size());
  EXPECT_TRUE(log.stopped());
}

// The program folder ends with one separator, whatever the folder given; the default topology
// lies in it.
TEST(AppPaths, ProgramFolderAndDefaultTopology) {
  EXPECT_EQ(app_path_of("/opt/zorva"), "/opt/zorva/");
  EXPECT_EQ(app_path_of("/opt/zorva/"), "/opt/zorva/");
  EXPECT_EQ(app_path_of("/"), "/");
  EXPECT_EQ(default_topology_file("/sim"), "/sim/default.ini");
  EXPECT_EQ(default_topology_file("/"), "/default.ini");
}

// The data beside the program wins; an installed program finds PREFIX/share/zorva; without either
// the program's own folder is kept.
TEST(AppPaths, DataFolderBesideTheProgramOrUnderShare) {
  struct Layout {
    const char* database;  // where zorva.mdb lies, relative to the root; "" for nowhere
    const char* expected;  // the data folder of an executable in root/usr/bin
  };
  for (const Layout& row : {Layout{"usr/bin/zorva.mdb", "usr/bin"},
                            Layout{"usr/share/zorva/zorva.mdb", "usr/share/zorva"},
                            Layout{"usr/share/zorva/zorva.mdb/x", "usr/bin"},  // a folder
                            Layout{"", "usr/bin"}}) {
    testing::TempDir d;
    std::filesystem::create_directories(d.path() / "usr" / "bin");
    if (*row.database != '\0') {
      const std::filesystem::path db = d.path() / row.database;
      std::filesystem::create_directories(db.parent_path());
      std::ofstream(db) << "x";
    }
    EXPECT_EQ(program_data_folder(d.path() / "usr" / "bin"), d.path() / row.expected)
        << row.database;
  }
}

TEST(AppPaths, VersionText) {
  EXPECT_EQ(version_text_of(4, 0, 1), "4.01");
  EXPECT_EQ(version_text_of(1, 2, 0), "1.2");
  EXPECT_EQ(version_text_of(2, 0, 0), "2");
  EXPECT_EQ(version_text_of(1, 1, 5), "1.15");
}

}  // namespace
}  // namespace zorva
