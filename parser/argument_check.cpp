#include "parser/argument_check.h"

#include <charconv>
#include <cstdint>

namespace zorva {
namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// A dotted address: four numbers of at most three digits, each up to 255.
std::size_t bad_address_char(std::string_view word) {
  int dots = 0;
  int digits = 0;
  int value = 0;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const char c = word[i];
    if (is_digit(c)) {
      value = value * 10 + (c - '0');
      if (++digits > 3 || value > 255) return i;
    } else if (c == '.' && digits > 0 && dots < 3) {
      ++dots;
      digits = 0;
      value = 0;
    } else {
      return i;
    }
  }
  return dots == 3 && digits > 0 ? kArgumentFits : word.size();
}

std::uint32_t address_value(std::string_view word) {
  std::uint32_t value = 0;
  std::uint32_t part = 0;
  for (char c : word) {
    if (c == '.') {
      value = value << 8 | part;
      part = 0;
    } else {
      part = part * 10 + static_cast<std::uint32_t>(c - '0');
    }
  }
  return value << 8 | part;
}

// A mask is ones followed by zeros: inverted, it is one less than a power of two.
bool is_contiguous(std::uint32_t mask) {
  const std::uint32_t hosts = ~mask;
  return (hosts & (hosts + 1)) == 0;
}

// "<LOW-HIGH>" as two numbers; false when the placeholder names no decimal range.
bool range_of(std::string_view placeholder, unsigned long long& low, unsigned long long& high) {
  if (placeholder.size() < 5 || placeholder.front() != '<' || placeholder.back() != '>')
    return false;
  const std::string_view inner = placeholder.substr(1, placeholder.size() - 2);
  const std::size_t dash = inner.find('-');
  if (dash == std::string_view::npos) return false;
  const std::string_view a = inner.substr(0, dash);
  const std::string_view b = inner.substr(dash + 1);
  return std::from_chars(a.data(), a.data() + a.size(), low).ptr == a.data() + a.size() &&
         std::from_chars(b.data(), b.data() + b.size(), high).ptr == b.data() + b.size();
}

std::size_t bad_number_char(std::string_view placeholder, std::string_view word) {
  for (std::size_t i = 0; i < word.size(); ++i)
    if (!is_digit(word[i])) return i;
  if (word.empty()) return 0;
  unsigned long long low = 0;
  unsigned long long high = 0;
  if (!range_of(placeholder, low, high)) return kArgumentFits;
  unsigned long long value = 0;
  const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (ec != std::errc() || value < low || value > high) return 0;
  return kArgumentFits;
}

}  // namespace

std::size_t bad_argument_char(std::string_view kind, std::string_view placeholder,
                              std::string_view word) {
  if (kind == "IP") return bad_address_char(word);
  if (kind == "SUBNETMASK") {
    const std::size_t bad = bad_address_char(word);
    if (bad != kArgumentFits) return bad;
    return is_contiguous(address_value(word)) ? kArgumentFits : 0;
  }
  if (kind == "Range") return bad_number_char(placeholder, word);
  return word.empty() ? 0 : kArgumentFits;  // WORD and LINE take any word
}

}  // namespace zorva
