// SQLite's LIKE and NOCASE, step for step, so that the memory store and the SQLite file agree on
// every text a student can type, malformed UTF-8 and stray wildcards included. The matcher follows
// SQLite's own algorithm (its three outcomes included: a failed search after `%` stops the
// outer searches as well), which keeps the equality obvious.
#include "parser/sql_text_rules.h"

#include <cstdint>

namespace zorva {
namespace {

constexpr std::uint32_t kMatchAll = '%';
constexpr std::uint32_t kMatchOne = '_';
constexpr std::uint32_t kEscape = '\\';

enum Outcome { kMatch, kNoMatch, kNoWildcardMatch };

// The payload bits of a UTF-8 lead byte 0xC0..0xFF, as SQLite takes them.
constexpr unsigned char kLeadBits[64] = {
    0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f,
    0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x1b, 0x1c, 0x1d, 0x1e, 0x1f,
    0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f,
    0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x00, 0x01, 0x02, 0x03, 0x00, 0x01, 0x00, 0x00,
};

unsigned char fold(unsigned char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

unsigned char upper(unsigned char c) {
  return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - ('a' - 'A')) : c;
}

// A text read as SQLite reads a C string: it ends at its first NUL, and past the end reads NUL.
struct Cursor {
  std::string_view text;
  std::size_t at = 0;

  explicit Cursor(std::string_view s) : text(s.substr(0, s.find('\0'))) {}
  unsigned char peek() const { return at < text.size() ? static_cast<unsigned char>(text[at]) : 0; }
  unsigned char take() {
    const unsigned char c = peek();
    ++at;
    return c;
  }
  // The next character: a lead byte takes every continuation byte after it; an overlong form, a
  // surrogate or U+FFFE/U+FFFF reads as U+FFFD.
  std::uint32_t next_char() {
    std::uint32_t c = take();
    if (c < 0xc0) return c;
    c = kLeadBits[c - 0xc0];
    while ((peek() & 0xc0) == 0x80) c = (c << 6) + (0x3f & take());
    if (c < 0x80 || (c & 0xFFFFF800) == 0xD800 || (c & 0xFFFFFFFE) == 0xFFFE) c = 0xFFFD;
    return c;
  }
};

Outcome compare(Cursor pattern, Cursor text) {
  std::size_t escaped_end = std::string_view::npos;  // just past the last escaped character
  std::uint32_t c;
  while ((c = pattern.next_char()) != 0) {
    if (c == kMatchAll) {
      // A run of % and _ after %: each _ takes one character of the text.
      while ((c = pattern.next_char()) == kMatchAll || c == kMatchOne) {
        if (c == kMatchOne && text.next_char() == 0) return kNoWildcardMatch;
      }
      if (c == 0) return kMatch;  // % at the end matches the rest
      if (c == kEscape) {
        c = pattern.next_char();
        if (c == 0) return kNoWildcardMatch;
      }
      // Try the rest of the pattern after each place in the text where `c` stands.
      if (c < 0x80) {
        const unsigned char lower = fold(static_cast<unsigned char>(c));
        const unsigned char up = upper(static_cast<unsigned char>(c));
        while (true) {
          while (text.peek() != 0 && text.peek() != lower && text.peek() != up) ++text.at;
          if (text.peek() == 0) break;
          ++text.at;
          const Outcome o = compare(pattern, text);
          if (o != kNoMatch) return o;
        }
      } else {
        std::uint32_t t;
        while ((t = text.next_char()) != 0) {
          if (t != c) continue;
          const Outcome o = compare(pattern, text);
          if (o != kNoMatch) return o;
        }
      }
      return kNoWildcardMatch;
    }
    if (c == kEscape) {
      c = pattern.next_char();
      if (c == 0) return kNoMatch;  // a lone escape at the end
      escaped_end = pattern.at;
    }
    const std::uint32_t t = text.next_char();
    if (c == t) continue;
    if (c < 0x80 && t < 0x80 &&
        fold(static_cast<unsigned char>(c)) == fold(static_cast<unsigned char>(t)))
      continue;
    if (c == kMatchOne && pattern.at != escaped_end && t != 0) continue;
    return kNoMatch;
  }
  return text.peek() == 0 ? kMatch : kNoMatch;
}

}  // namespace

LikeResult sql_like(std::string_view pattern, std::string_view text) {
  if (pattern.size() > kLikePatternLimit) return LikeResult::PatternTooLong;
  return compare(Cursor(pattern), Cursor(text)) == kMatch ? LikeResult::Match : LikeResult::NoMatch;
}

int sql_nocase_compare(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  std::size_t i = 0;
  auto at = [](std::string_view s, std::size_t k) { return static_cast<unsigned char>(s[k]); };
  while (i < n && at(a, i) != 0 && fold(at(a, i)) == fold(at(b, i))) ++i;
  const int r = i == n ? 0 : fold(at(a, i)) - fold(at(b, i));
  if (r != 0) return r;
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace zorva
