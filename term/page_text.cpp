#include "term/page_text.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <vector>

namespace zorva {

namespace {

std::string lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

void append_utf8(std::string& out, std::uint32_t code) {
  if (code == 0 || code > 0x10FFFF) code = 0xFFFD;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The text an entity stands for ("&lt;" is "<", "&#233;" is "é"); the entity itself when it is
// not one the pages use.
std::string entity_text(std::string_view name) {
  static const std::pair<std::string_view, std::string_view> kNamed[] = {
      {"lt", "<"},          {"gt", ">"},         {"amp", "&"},        {"quot", "\""},
      {"apos", "'"},        {"nbsp", " "},       {"mdash", "\u2014"}, {"ndash", "\u2013"},
      {"rarr", "\u2192"},   {"larr", "\u2190"},  {"copy", "\u00A9"},  {"hellip", "\u2026"},
      {"lsquo", "\u2018"},  {"rsquo", "\u2019"}, {"ldquo", "\u201C"}, {"rdquo", "\u201D"},
      {"middot", "\u00B7"}, {"times", "\u00D7"}, {"bull", "\u2022"},  {"deg", "\u00B0"}};
  if (name.size() > 1 && name[0] == '#') {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string digits(name.substr(hex ? 2 : 1));
    if (digits.empty() || digits.size() > 8) return "&" + std::string(name) + ";";
    std::uint32_t code = 0;
    for (char c : digits) {
      const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                    : hex && std::isxdigit(static_cast<unsigned char>(c))
                        ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                        : -1;
      if (d < 0) return "&" + std::string(name) + ";";
      code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
    }
    std::string out;
    append_utf8(out, code == 0xA0 ? ' ' : code);
    return out;
  }
  for (const auto& [entity, text] : kNamed)
    if (entity == name) return std::string(text);
  return "&" + std::string(name) + ";";
}

std::size_t shown_width(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// Writes the page's lines as its tags and text come.
class TextWriter {
 public:
  void text(std::string_view raw) {
    if (skipping_ > 0) return;
    std::string decoded;
    for (std::size_t i = 0; i < raw.size(); ++i) {
      const std::size_t semi = raw[i] == '&' ? raw.find(';', i) : std::string_view::npos;
      if (semi != std::string_view::npos && semi - i <= 10) {
        decoded += entity_text(raw.substr(i + 1, semi - i - 1));
        i = semi;
      } else {
        decoded += raw[i];
      }
    }
    if (pre_ > 0) return preformatted(decoded);
    for (char c : decoded) {
      if (std::isspace(static_cast<unsigned char>(c))) {
        space_ = !line_.empty();
        continue;
      }
      if (space_ && !line_.empty() && line_.back() != ' ') line_ += ' ';
      space_ = false;
      line_ += c;
    }
  }

  // Handles one tag and gives its name, lower case.
  std::string tag(std::string_view inside) {
    const bool closing = !inside.empty() && inside[0] == '/';
    std::string name = lower(inside.substr(closing ? 1 : 0));
    name = name.substr(0, name.find_first_of(" \t\r\n/"));
    tag_named(name, closing, inside);
    return closing ? "" : name;
  }

  void tag_named(const std::string& name, bool closing, std::string_view inside) {
    if (name == "head" || name == "title") {
      skipping_ = std::max(skipping_ + (closing ? -1 : 1), 0);
      return;
    }
    if (skipping_ > 0) return;
    if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6') {
      if (!closing) return block();
      while (!line_.empty() && line_.back() == ' ') line_.pop_back();
      const std::size_t width = shown_width(line_);
      end_line();
      if (width > 0) lines_.push_back(std::string(width, name[1] == '1' ? '=' : '-'));
      blank();
    } else if (name == "p" || name == "div" || name == "table" || name == "blockquote") {
      block();
    } else if (name == "ul" || name == "ol") {
      // A list inside a list item follows it line by line; only outer lists stand apart.
      if (lists_.empty() || (closing && lists_.size() == 1)) {
        block();
      } else {
        end_line();
      }
      if (!closing) lists_.push_back(name == "ol" ? 1 : 0);
      if (closing && !lists_.empty()) lists_.pop_back();
    } else if (name == "li" && !closing) {
      end_line();
      const std::string indent(2 * std::max<std::size_t>(lists_.size(), 1) - 2, ' ');
      if (!lists_.empty() && lists_.back() > 0) {
        line_ = indent + std::to_string(lists_.back()++) + ". ";
      } else {
        line_ = indent + "* ";
      }
    } else if (name == "br" || (name == "tr" && closing) || (name == "li" && closing)) {
      end_line();
    } else if ((name == "td" || name == "th") && !closing) {
      space_ = true;
    } else if (name == "hr") {
      block();
      lines_.push_back(std::string(40, '-'));
      blank();
    } else if (name == "pre") {
      block();
      pre_ = std::max(pre_ + (closing ? -1 : 1), 0);
    } else if (name == "img" && !closing) {
      const std::string alt = attribute(inside, "alt");
      text("[picture" + (alt.empty() ? std::string() : ": " + alt) + "]");
    }
  }

  std::string finish() {
    end_line();
    while (!lines_.empty() && lines_.back().empty()) lines_.pop_back();
    std::string out;
    for (const std::string& line : lines_) out += line + "\n";
    return out;
  }

 private:
  // The lines of a <pre> block as written, its first line break after the tag left out.
  void preformatted(const std::string& text) {
    for (char c : text) {
      if (c == '\r') continue;
      if (c == '\n') {
        if (pre_fresh_ && line_.empty()) {
          pre_fresh_ = false;
          continue;
        }
        lines_.push_back(line_);
        line_.clear();
      } else {
        line_ += c == '\t' ? ' ' : c;
      }
      pre_fresh_ = false;
    }
  }

  static std::string attribute(std::string_view inside, std::string_view name) {
    const std::string low = lower(inside);
    const std::size_t at = low.find(std::string(name) + "=");
    if (at == std::string::npos) return "";
    std::size_t p = at + name.size() + 1;
    const char quote = p < inside.size() && (inside[p] == '"' || inside[p] == '\'') ? inside[p] : 0;
    if (quote) ++p;
    const std::size_t end = quote ? inside.find(quote, p) : inside.find_first_of(" \t>", p);
    return std::string(inside.substr(p, end == std::string_view::npos ? end : end - p));
  }

  void end_line() {
    while (!line_.empty() && line_.back() == ' ') line_.pop_back();
    if (!line_.empty()) lines_.push_back(line_);
    line_.clear();
    space_ = false;
  }
  void blank() {
    if (!lines_.empty() && !lines_.back().empty()) lines_.push_back("");
  }
  void block() {
    end_line();
    blank();
    pre_fresh_ = true;
  }

  std::vector<std::string> lines_;
  std::string line_;
  bool space_ = false;      // a blank came since the line's last word
  int skipping_ = 0;        // inside the head, a script or a stylesheet
  int pre_ = 0;             // inside <pre>
  bool pre_fresh_ = false;  // just after a block began: a <pre>'s first line break is not text
  std::vector<int> lists_;  // open lists, inner last: the next number, or 0 for bullets
};

}  // namespace

std::string page_text(std::string_view html) {
  TextWriter writer;
  std::size_t at = 0;
  while (at < html.size()) {
    const std::size_t open = html.find('<', at);
    writer.text(html.substr(at, open == std::string_view::npos ? open : open - at));
    if (open == std::string_view::npos) break;
    if (html.substr(open, 4) == "<!--") {
      const std::size_t close = html.find("-->", open);
      at = close == std::string_view::npos ? html.size() : close + 3;
      continue;
    }
    const std::size_t close = html.find('>', open);
    if (close == std::string_view::npos) break;
    const std::string name = writer.tag(html.substr(open + 1, close - open - 1));
    at = close + 1;
    // A script or a stylesheet is not text, and a '<' inside it opens no tag: it is skipped to
    // its end tag as it stands.
    if (name == "script" || name == "style") {
      const std::size_t end = lower(html.substr(at)).find("</" + name);
      if (end == std::string::npos) break;
      at += end;
    }
  }
  return writer.finish();
}

}  // namespace zorva
