// How SQLite compares text in the command database's queries, done again without SQLite so that
// the memory store answers exactly as the SQLite file does: the LIKE operator with ESCAPE '\' (as
// SQLite's case-insensitive patternCompare), and the NOCASE collation of the `command` and `mode`
// columns, which their = / IN, GROUP BY, DISTINCT and ORDER BY use.
#pragma once

#include <cstddef>
#include <string_view>

namespace zorva {

// SQLite refuses a LIKE pattern longer than this many bytes (SQLITE_MAX_LIKE_PATTERN_LENGTH):
// the statement fails as soon as LIKE is evaluated with it.
inline constexpr std::size_t kLikePatternLimit = 50000;

enum class LikeResult { Match, NoMatch, PatternTooLong };

// `text LIKE pattern ESCAPE '\'`. `%` matches any run of characters, `_` one character, `\` makes
// the next character literal (a pattern ending in a lone `\` matches nothing); ASCII letters match
// either case. Characters are read as UTF-8 the way SQLite reads them (a malformed sequence is one
// U+FFFD), and both texts end at their first NUL byte, as the C strings SQLite hands to LIKE.
LikeResult sql_like(std::string_view pattern, std::string_view text);

// The NOCASE collation: negative, zero or positive as `a` sorts before, with or after `b`. Bytes
// compare as unsigned after folding ASCII upper case to lower case; the comparison stops at a NUL
// in `a`; when the compared bytes agree, the shorter text comes first.
int sql_nocase_compare(std::string_view a, std::string_view b);

inline bool sql_nocase_equal(std::string_view a, std::string_view b) {
  return sql_nocase_compare(a, b) == 0;
}

}  // namespace zorva
