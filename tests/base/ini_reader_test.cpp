// The INI reader: what a file gives, and what a bad file never does.
#include "base/ini_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/test_paths.h"

namespace zorva {
namespace {

using testing::TempDir;

TEST(ReadIniValue, ValueOfASectionsKey) {
  const std::string duplicates = "[A]\nk=1\nk=2\n[A]\nk=3\nj=4\n";
  const struct {
    std::string text;  // the file
    const char *section, *key;
    std::string value;
  } cases[] = {
      // Sections and keys ignore case; blanks around the value go.
      {"[General]\nNumberOfRouters = 3 \n[router1]\nserial=2\n", "GENERAL", "numberofrouters", "3"},
      {"[General]\nNumberOfRouters = 3 \n[router1]\nserial=2\n", "ROUTER1", "Serial", "2"},
      {"[A]\nk=v\n", "B", "k", ""},
      {"[A]\nk=v\n", "A", "x", ""},
      {"[A]\nk=" + std::string(60, 'x') + "\n", "A", "k", std::string(49, 'x')},
      {duplicates, "A", "k", "1"},  // the first of duplicate sections and keys wins
      {duplicates, "A", "j", ""},
      // A byte order mark, and every kind of line end.
      {"\xEF\xBB\xBF[A]\nk=v\n", "A", "k", "v"},
      {"[A]\rk=v\r", "A", "k", "v"},
      {"[A]\r\nk=v", "A", "k", "v"},
      {"[A]\r\r\nk=v\r\n", "A", "k", "v"},
      {"\xEF\xBB\xBF[A]\rj=w\r\nk=v", "A", "k", "v"},
      {"[A]\n\n\rk=v", "A", "k", "v"},
      {"[A]\n\xEF\xBB\xBFk=v\n", "A", "k", ""},  // a byte order mark only at the start
  };
  TempDir d;
  for (const auto& c : cases) {
    const std::string f = d.write("a.ini", c.text);
    EXPECT_EQ(read_ini_value(c.section, c.key, f), c.value) << c.text << " " << c.key;
  }
  EXPECT_EQ(read_ini_value("A", "k", (d.path() / "none.ini").string()), "");
}

// What is not a small regular file is refused with a reason; a file of exactly the limit is read.
TEST(IniFile, WhatIsNotASmallRegularFileIsRefusedWithAReason) {
  TempDir d;
  std::filesystem::create_directory(d.path() / "folder.ini");
  const std::string fifo = (d.path() / "pipe.ini").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // opening it would wait for a writer forever
  const std::string head = "[GENERAL]\nnumberofrouters=1\n";
  const std::string too_large = d.write("big.ini", head + std::string(kIniFileLimit, ';'));
  const std::string at_limit =
      d.write("limit.ini", head + std::string(kIniFileLimit - head.size(), ';'));
  const struct {
    std::string file;
    IniFile::Status status;
    const char* reason;  // "" when the file is read
  } cases[] = {
      {"/dev/zero", IniFile::Status::NotAFile, "/dev/zero is not a regular file"},
      {"/dev/urandom", IniFile::Status::NotAFile, "/dev/urandom is not a regular file"},
      {fifo, IniFile::Status::NotAFile, " is not a regular file"},
      {(d.path() / "folder.ini").string(), IniFile::Status::NotAFile, " is not a regular file"},
      {too_large, IniFile::Status::TooLarge, " is larger than 1 MB"},
      {(d.path() / "none.ini").string(), IniFile::Status::Missing, " does not exist"},
      {at_limit, IniFile::Status::Read, ""},
  };
  for (const auto& c : cases) {
    const IniFile ini = IniFile::read(c.file);
    EXPECT_EQ(ini.status(), c.status) << c.file;
    EXPECT_EQ(ini.value("general", "NumberOfRouters"), *c.reason ? "" : "1") << c.file;
    if (*c.reason) {
      EXPECT_NE(ini.problem().find(c.reason), std::string::npos) << ini.problem();
    } else {
      EXPECT_EQ(ini.problem(), "");
    }
  }
}

TEST(IniFile, ManySectionsAreIndexedOnce) {
  std::string text;
  for (int i = 1; i <= 20000; ++i)
    text += "[CONNECTOR" + std::to_string(i) + "]\ndev1name=Router" + std::to_string(i) + "\n";
  TempDir d;
  const IniFile ini = IniFile::read(d.write("a.ini", text));
  EXPECT_EQ(ini.section_count(), 20000u);
  EXPECT_EQ(ini.value("connector19999", "DEV1NAME"), "Router19999");
}

}  // namespace
}  // namespace zorva
