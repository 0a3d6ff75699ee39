// Diagram positions in the topology file: both keys must be one finite decimal number, or the
// router has no saved position and the automatic layout places it.
#include "simulation/diagram_position.h"

#include <gtest/gtest.h>

#include <string>

#include "base/ini_reader.h"
#include "tests/support/test_paths.h"

namespace zorva {
namespace {

std::optional<DiagramPoint> position_from(const std::string& router_section) {
  testing::TempDir dir;
  const std::string file = dir.write("topology.ini", "[ROUTER1]\n" + router_section);
  return saved_diagram_position(IniFile::read(file), 1);
}

TEST(DiagramPosition, DecimalNumbersInEveryUsualForm) {
  EXPECT_EQ(position_from("x=120\ny=-45\n"), (DiagramPoint{120, -45}));
  EXPECT_EQ(position_from("X = +7.5 \nY=1e2\n"), (DiagramPoint{7.5, 100}));  // any case, blanks
  EXPECT_EQ(position_from("x=.5\ny=5.\n"), (DiagramPoint{0.5, 5}));
}

TEST(DiagramPosition, AnythingElseIsNoPosition) {
  EXPECT_FALSE(position_from(""));
  EXPECT_FALSE(position_from("x=10\n"));  // one key alone places nothing
  EXPECT_FALSE(position_from("y=10\n"));
  for (const char* bad :
       {"", "12px", "1,5", "1 5", "0x10", "+-5", "--5", "-", "1e", "inf", "nan", "1e400", "1e-400"})
    EXPECT_FALSE(position_from(std::string("x=") + bad + "\ny=0\n")) << "x=" << bad;
}

TEST(DiagramPosition, OnlyTheRoutersOwnSectionCounts) {
  testing::TempDir dir;
  const IniFile ini =
      IniFile::read(dir.write("t.ini", "[ROUTER2]\nx=1\ny=2\n[ROUTER12]\nx=3\ny=4\n"));
  EXPECT_FALSE(saved_diagram_position(ini, 1));
  EXPECT_EQ(saved_diagram_position(ini, 2), (DiagramPoint{1, 2}));
  EXPECT_EQ(saved_diagram_position(ini, 12), (DiagramPoint{3, 4}));
  EXPECT_FALSE(saved_diagram_position(IniFile::read(dir.path() / "missing.ini"), 1));
}

}  // namespace
}  // namespace zorva
