#include "lab/check_words.h"

namespace zorva {

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// Reads a text that opened at `open` (a quote or a slash) up to the closing `close`, resolving
// the escapes the kind allows. Gives the position after the closing mark, or npos.
std::size_t read_enclosed(std::string_view line, std::size_t open, char close, bool pattern,
                          std::string& out) {
  for (std::size_t i = open + 1; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\\' && i + 1 < line.size()) {
      const char next = line[i + 1];
      if (next == close || (!pattern && next == '\\')) {
        out += next;
        ++i;
        continue;
      }
      // Any other escape belongs to the text itself (a pattern's \d, a text's C:\path).
      out += c;
      continue;
    }
    if (c == close) return i + 1;
    out += c;
  }
  return std::string_view::npos;
}

}  // namespace

bool has_curly_quote(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    // U+2018..U+201F (single and double, low and high quotation marks) in UTF-8.
    if (b == 0xE2 && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0x80) {
      const auto third = static_cast<unsigned char>(text[i + 2]);
      if (third >= 0x98 && third <= 0x9F) return true;
    }
    // The same marks as one Windows-1252 byte, where no UTF-8 sequence is under way.
    const bool after_lead = i > 0 && static_cast<unsigned char>(text[i - 1]) >= 0x80;
    if (!after_lead && (b == 0x84 || (b >= 0x91 && b <= 0x94))) return true;
  }
  return false;
}

std::optional<std::string> split_check_line(std::string_view line, CheckLine& out) {
  out = CheckLine{};
  std::size_t i = 0;
  std::size_t end_of_check = 0;  // the text of the check ends here, before a comment
  while (i < line.size()) {
    const char c = line[i];
    if (is_blank(c)) {
      ++i;
      continue;
    }
    if (c == '#') break;
    CheckWord word;
    if (c == '"') {
      word.kind = CheckWord::Kind::Quoted;
      i = read_enclosed(line, i, '"', false, word.text);
      if (i == std::string_view::npos) return "a text in quotes has no closing quote";
    } else if (c == '/') {
      word.kind = CheckWord::Kind::Pattern;
      i = read_enclosed(line, i, '/', true, word.text);
      if (i == std::string_view::npos) return "a pattern /REGEX/ has no closing slash";
      std::size_t flags = i;
      while (flags < line.size() && !is_blank(line[flags]) && line[flags] != '#') ++flags;
      const std::string_view after = line.substr(i, flags - i);
      if (after != "" && after != "i")
        return "after /REGEX/ only 'i' (ignore case) may follow, not '" + std::string(after) + "'";
      word.ignore_case = after == "i";
      i = flags;
    } else {
      std::size_t end = i;
      while (end < line.size() && !is_blank(line[end]) && line[end] != '"' && line[end] != '#')
        ++end;
      word.text = std::string(line.substr(i, end - i));
      i = end;
      if (has_curly_quote(word.text))
        return "curly quotes, as a word processor writes them, are not quotes here: write texts "
               "in straight double quotes \"...\"";
    }
    out.words.push_back(std::move(word));
    end_of_check = i;
  }
  std::size_t start = 0;
  while (start < end_of_check && is_blank(line[start])) ++start;
  out.text = std::string(line.substr(start, end_of_check - start));
  return std::nullopt;
}

}  // namespace zorva
