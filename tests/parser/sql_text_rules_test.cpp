// The memory store's LIKE and NOCASE against SQLite itself: chosen awkward cases, then many random
// texts over an alphabet of letters in both cases, wildcards, the escape, NUL and broken UTF-8.
#include "parser/sql_text_rules.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace zorva {
namespace {

// SQLite in memory, asked the same questions.
class Sqlite {
 public:
  Sqlite() {
    sqlite3_open(":memory:", &db_);
    sqlite3_prepare_v2(db_, "SELECT ?2 LIKE ?1 ESCAPE '\\'", -1, &like_, nullptr);
    sqlite3_prepare_v2(db_,
                       "SELECT CASE WHEN ?1 < ?2 COLLATE NOCASE THEN -1 "
                       "WHEN ?1 = ?2 COLLATE NOCASE THEN 0 ELSE 1 END",
                       -1, &compare_, nullptr);
  }
  ~Sqlite() {
    sqlite3_finalize(like_);
    sqlite3_finalize(compare_);
    sqlite3_close(db_);
  }

  // Whether `text` is LIKE `pattern`; nullopt when SQLite refuses the pattern.
  std::optional<bool> like(const std::string& pattern, const std::string& text) {
    bind(like_, pattern, text);
    const bool row = sqlite3_step(like_) == SQLITE_ROW;
    const bool result = row && sqlite3_column_int(like_, 0) == 1;
    sqlite3_reset(like_);
    return row ? std::optional<bool>(result) : std::nullopt;
  }

  int compare(const std::string& a, const std::string& b) {
    bind(compare_, a, b);
    sqlite3_step(compare_);
    const int result = sqlite3_column_int(compare_, 0);
    sqlite3_reset(compare_);
    return result;
  }

 private:
  static void bind(sqlite3_stmt* s, const std::string& first, const std::string& second) {
    sqlite3_bind_text(s, 1, first.data(), static_cast<int>(first.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(s, 2, second.data(), static_cast<int>(second.size()), SQLITE_TRANSIENT);
  }

  sqlite3* db_ = nullptr;
  sqlite3_stmt* like_ = nullptr;
  sqlite3_stmt* compare_ = nullptr;
};

int sign(int n) {
  return (n > 0) - (n < 0);
}

std::string printable(const std::string& s) {
  std::string out;
  for (unsigned char c : s) {
    if (c >= 0x20 && c < 0x7f) {
      out += static_cast<char>(c);
    } else {
      const char* digits = "0123456789abcdef";
      out += "\\x";
      out += digits[c >> 4];
      out += digits[c & 15];
    }
  }
  return out;
}

void expect_like_as_sqlite(Sqlite& sqlite, const std::string& pattern, const std::string& text) {
  const LikeResult ours = sql_like(pattern, text);
  const std::optional<bool> theirs = sqlite.like(pattern, text);
  const LikeResult expected = !theirs   ? LikeResult::PatternTooLong
                              : *theirs ? LikeResult::Match
                                        : LikeResult::NoMatch;
  EXPECT_EQ(ours, expected) << "'" << printable(text) << "' LIKE '" << printable(pattern) << "'";
}

const std::string kNul(1, '\0');

TEST(SqlTextRules, LikeAgreesWithSqliteOnAwkwardCases) {
  Sqlite sqlite;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"sh%", "SHOW"},
      {"s_ow", "show"},
      {"s\\_ow", "s_ow"},
      {"s\\_ow", "show"},
      {"50\\%%", "50%_off"},
      {"%", ""},
      {"", ""},
      {"_", ""},
      {"\\", "\\"},
      {"a\\", "a"},
      {"%\\", "a"},
      {"\\\\", "\\"},
      {"%b%", "abc"},
      {"%_%_%", "a"},
      {"a%%%b", "ab"},
      {"\xc3\xa9", "\xc3\x89"},  // no case folding outside ASCII
      {"_", "\xc3\xa9"},         // one character, two bytes
      {"_", "\xff"},
      {"\xff", "\xfe"},                                // both malformed: U+FFFD each
      {"\xc0\x80", "\xef\xbf\xbd"},                    // overlong form reads as U+FFFD
      {"%\xc3\xa9", "caf\xc3\xa9"},                    // a non-ASCII character after %
      {"s" + kNul + "x", "s"},                         // the pattern ends at its NUL
      {"sh%", "sh" + kNul + "ow"},                     // so does the text
      {std::string(kLikePatternLimit, '%'), "x"},      // the longest pattern allowed
      {std::string(kLikePatternLimit + 1, '%'), "x"},  // one byte more is refused
  };
  for (const auto& [pattern, text] : cases) expect_like_as_sqlite(sqlite, pattern, text);
}

// Random short texts over the characters where the rules differ: both cases, the wildcards, the
// escape, NUL, stray continuation and lead bytes, a whole two- and three-byte character.
TEST(SqlTextRules, LikeAndNocaseAgreeWithSqliteOnRandomTexts) {
  const std::vector<std::string> alphabet = {
      "a", "A", "b", "B", "%", "_", "\\", kNul, "\xc3", "\xa9", "\xff", "\xc3\xa9", "\xe2\x82\xac"};
  std::mt19937 random(20240611);
  std::uniform_int_distribution<size_t> letter(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 6);
  const auto text = [&] {
    std::string s;
    for (int n = length(random); n > 0; --n) s += alphabet[letter(random)];
    return s;
  };
  Sqlite sqlite;
  for (int i = 0; i < 20000; ++i) {
    const std::string a = text(), b = text();
    expect_like_as_sqlite(sqlite, a, b);
    EXPECT_EQ(sign(sql_nocase_compare(a, b)), sqlite.compare(a, b))
        << "'" << printable(a) << "' vs '" << printable(b) << "'";
    if (HasFailure()) break;
  }
}

}  // namespace
}  // namespace zorva
