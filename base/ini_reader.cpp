#include "base/ini_reader.h"

#include <fstream>
#include <sstream>

#include "base/number_text.h"

namespace zorva {

namespace {

std::string trim_blanks(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

bool equal_ignoring_case(const std::string& a, const std::string& b) {
  return to_lower(a) == to_lower(b);
}

// The value as the 50-character buffer returns it: cut before a NUL, at most 49 characters,
// trimmed.
std::string as_returned(std::string value) {
  const std::size_t nul = value.find('\0');
  if (nul != std::string::npos) value.resize(nul);
  value = trim_blanks(value);
  if (value.size() > kIniValueLimit) value.resize(kIniValueLimit);
  return trim_blanks(value);
}

}  // namespace

std::string read_ini_value(const std::string& section, const std::string& key,
                           const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return "";
  std::string line;
  bool in_section = false;
  bool section_seen = false;
  while (std::getline(in, line)) {
    const std::string t = trim_blanks(line);
    if (t.empty() || t[0] == ';') continue;
    if (t[0] == '[') {
      const std::size_t close = t.find(']');
      const std::string name =
          trim_blanks(t.substr(1, close == std::string::npos ? t.npos : close - 1));
      if (in_section) section_seen = true;  // the first matching section has ended
      in_section = !section_seen && equal_ignoring_case(name, section);
      continue;
    }
    if (!in_section) continue;
    const std::size_t eq = t.find('=');
    if (eq == std::string::npos) continue;
    if (equal_ignoring_case(trim_blanks(t.substr(0, eq)), key))
      return as_returned(t.substr(eq + 1));
  }
  return "";
}

}  // namespace zorva
