// Show output filters (see the header).
#include "console/output_filter.h"

#include <algorithm>
#include <regex>
#include <vector>

#include "base/number_text.h"

namespace zorva {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The words of `text` split at blanks.
std::vector<std::string> words_of(std::string_view text) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = text.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(text.find(' ', start), text.size());
    words.emplace_back(text.substr(start, end - start));
    at = end;
  }
  return words;
}

// True when `typed` abbreviates `keyword` (at least `shortest` letters of it).
bool abbreviates(const std::string& typed, std::string_view keyword, std::size_t shortest) {
  return typed.size() >= shortest && typed.size() <= keyword.size() &&
         keyword.starts_with(to_lower(typed));
}

bool is_show_command(std::string_view command) {
  const std::vector<std::string> words = words_of(command);
  std::size_t first = 0;
  if (!words.empty() && to_lower(words[0]) == "do") first = 1;
  return words.size() > first + 1 && abbreviates(words[first], "show", 2);
}

// The pattern matches the line: a regular expression searched for anywhere in it; a pattern that
// is no valid expression is looked for as plain text.
class LineMatcher {
 public:
  explicit LineMatcher(const std::string& pattern) : text_(pattern) {
    try {
      expression_.emplace(pattern);
    } catch (const std::regex_error&) {
      expression_.reset();
    }
  }
  bool matches(const std::string& line) const {
    return expression_ ? std::regex_search(line, *expression_)
                       : line.find(text_) != std::string::npos;
  }

 private:
  std::string text_;
  std::optional<std::regex> expression_;
};

// `| section`: a section is a line that begins at the margin with the indented lines below it;
// every section with a line that matches is printed whole.
std::string sections_matching(const std::vector<std::string>& lines, const LineMatcher& matcher) {
  std::string out;
  for (std::size_t first = 0; first < lines.size();) {
    std::size_t end = first + 1;
    while (end < lines.size() && lines[end].starts_with(' ')) ++end;
    if (std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(first),
                    lines.begin() + static_cast<std::ptrdiff_t>(end),
                    [&](const std::string& line) { return matcher.matches(line); }))
      for (std::size_t k = first; k < end; ++k) out.append(kLineEnd).append(lines[k]);
    first = end;
  }
  return out;
}

}  // namespace

std::optional<OutputFilter> split_output_filter(std::string_view line) {
  const std::size_t bar = line.find('|');
  if (bar == std::string_view::npos || !is_show_command(line.substr(0, bar))) return std::nullopt;
  const std::string_view rest = line.substr(bar + 1);
  const std::size_t start = rest.find_first_not_of(' ');
  if (start == std::string_view::npos) return std::nullopt;
  const std::size_t end = std::min(rest.find(' ', start), rest.size());
  const std::string word(rest.substr(start, end - start));
  const std::size_t pattern_at = rest.find_first_not_of(' ', end);
  if (pattern_at == std::string_view::npos) return std::nullopt;
  OutputFilter filter;
  if (abbreviates(word, "include", 1)) {
    filter.kind = OutputFilter::Kind::Include;
  } else if (abbreviates(word, "exclude", 1)) {
    filter.kind = OutputFilter::Kind::Exclude;
  } else if (abbreviates(word, "begin", 1)) {
    filter.kind = OutputFilter::Kind::Begin;
  } else if (abbreviates(word, "section", 1)) {
    filter.kind = OutputFilter::Kind::Section;
  } else {
    return std::nullopt;
  }
  filter.command = trim(line.substr(0, bar));
  filter.pattern = std::string(rest.substr(pattern_at));
  while (!filter.pattern.empty() && filter.pattern.back() == ' ') filter.pattern.pop_back();
  return filter;
}

std::string apply_output_filter(const OutputFilter& filter, const std::string& output) {
  std::vector<std::string> lines;
  std::size_t at = output.starts_with(kLineEnd) ? kLineEnd.size() : 0;
  while (at < output.size()) {
    const std::size_t end = std::min(output.find(kLineEnd, at), output.size());
    lines.push_back(output.substr(at, end - at));
    at = end + kLineEnd.size();
  }
  const LineMatcher matcher(filter.pattern);
  if (filter.kind == OutputFilter::Kind::Section) return sections_matching(lines, matcher);
  std::string out;
  bool begun = false;
  for (const std::string& line : lines) {
    bool keep = false;
    switch (filter.kind) {
      case OutputFilter::Kind::Include:
        keep = matcher.matches(line);
        break;
      case OutputFilter::Kind::Exclude:
        keep = !matcher.matches(line);
        break;
      case OutputFilter::Kind::Begin:
        begun = begun || matcher.matches(line);
        keep = begun;
        break;
      case OutputFilter::Kind::Section:
        break;
    }
    if (keep) out.append(kLineEnd).append(line);
  }
  // What begins at a line keeps the report's end; the lines picked out stand alone, the prompt
  // straight after the last of them.
  if (filter.kind == OutputFilter::Kind::Begin && !out.empty() && output.ends_with(kLineEnd))
    out.append(kLineEnd);
  return out;
}

}  // namespace zorva
