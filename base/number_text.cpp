#include "base/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace zorva {

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// The characters of `text` with blanks removed, as the leading-number reader sees them.
std::string without_blanks(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (!is_blank(c)) s += c;
  return s;
}

// Length of the longest prefix of `s` that forms a number: [sign] digits [. digits] [e [sign]
// digits].
std::size_t number_prefix_length(const std::string& s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && is_digit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && is_digit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    std::size_t exp_digits = 0;
    while (j < s.size() && is_digit(s[j])) ++j, ++exp_digits;
    if (exp_digits > 0) i = j;
  }
  return i;
}

double parse_prefix(std::string s, std::size_t length) {
  s.resize(length);
  for (char& c : s)
    if (c == 'd' || c == 'D') c = 'e';
  return std::strtod(s.c_str(), nullptr);
}

}  // namespace

double leading_number(std::string_view text) {
  const std::string s = without_blanks(text);
  const std::size_t n = number_prefix_length(s);
  return n == 0 ? 0.0 : parse_prefix(s, n);
}

bool is_numeric(std::string_view text) {
  const std::string t = trim(text);
  if (t.empty()) return false;
  for (char c : t)
    if (is_blank(c)) return false;
  return number_prefix_length(t) == t.size();
}

std::string plain_number(long long n) {
  return std::to_string(n);
}

std::string number_with_blank(long long n) {
  return n >= 0 ? " " + std::to_string(n) : std::to_string(n);
}

std::string trim(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return std::string(text.substr(b, e - b));
}

std::string to_lower(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string plain_line_ends(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    s += text[i];
  }
  return s;
}

std::string to_upper(std::string_view text) {
  std::string s(text);
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace zorva
