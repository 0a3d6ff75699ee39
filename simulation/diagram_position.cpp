// Diagram positions kept in the topology file.
#include "simulation/diagram_position.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

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
  double value = 0;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
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
