// The output filters of a real router's show commands: `show running-config | include WORD`,
// `| exclude WORD`, `| begin WORD` and `| section WORD` print only the lines of the report that
// match (or do not match, or from the first that matches, or the sections with a line that
// matches). The pattern is the rest of the line, as a regular
// expression.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorva {

struct OutputFilter {
  enum class Kind { Include, Exclude, Begin, Section };
  std::string command;  // the line before the '|', the command that makes the report
  Kind kind = Kind::Include;
  std::string pattern;
};

// The filter a show line ends with, or nothing when the line is no show command (`show` or
// `do show`, abbreviated or not) followed by '|', a filter word and a pattern. Lines that are
// not filtered go to the parser whole, which points at what is wrong with them.
std::optional<OutputFilter> split_output_filter(std::string_view line);

// The report `output` (lines ending in "\r\n", the first line empty) with the filter applied.
std::string apply_output_filter(const OutputFilter& filter, const std::string& output);

}  // namespace zorva
