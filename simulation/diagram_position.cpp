// Diagram positions kept in the topology file.
#include "simulation/diagram_position.h"

#include <cmath>
#include <locale>
#include <sstream>
#include <string>
#include <string_view>

#include "base/ini_reader.h"

namespace zorva {

namespace {

// One coordinate: the whole text a decimal number, with an optional sign. A number too large or
// too small for a double is refused rather than rounded to infinity or zero.
std::optional<double> coordinate(std::string_view text) {
  std::string_view number = text;
  if (number.starts_with('+')) {
    number.remove_prefix(1);
    if (number.starts_with('+') || number.starts_with('-')) return std::nullopt;
  }
  // Plain decimal only, read in the classic locale whatever the user's is (the desktop sets the
  // user's; the browser build's library has no from_chars for doubles).
  if (number.empty() || number.find_first_not_of("0123456789.eE+-") != std::string_view::npos)
    return std::nullopt;
  std::istringstream in{std::string(number)};
  in.imbue(std::locale::classic());
  double value = 0;
  in >> value;
  if (in.fail() || in.peek() != std::char_traits<char>::eof() || !std::isfinite(value))
    return std::nullopt;
  // Too small for a double: nonzero digits that came out as zero, or as a subnormal number.
  const std::string_view mantissa = number.substr(0, number.find_first_of("eE"));
  const bool nonzero = mantissa.find_first_of("123456789") != std::string_view::npos;
  if (nonzero && (value == 0 || std::fpclassify(value) == FP_SUBNORMAL)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<DiagramPoint> saved_diagram_position(const IniFile& topology, int router) {
  const std::string section = "ROUTER" + std::to_string(router);
  const std::optional<double> x = coordinate(topology.value(section, "x"));
  const std::optional<double> y = coordinate(topology.value(section, "y"));
  if (!x || !y) return std::nullopt;
  return DiagramPoint{*x, *y};
}

}  // namespace zorva
