// Reading and checking the command tree source: the indented tree text and its report templates
// become a CommandTree. The checks mirror how the parser's queries match words (prefix first, then
// exact; ancestors by prefix; an argument at word 2 winning over keywords), so that a tree which
// passes them behaves as its text reads.
#include "tools/mdbgen/command_tree_source.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <utility>

namespace zorva {
namespace {

constexpr std::string_view kEnd = "<cr>";

// ---- Text helpers -----------------------------------------------------------------------------

// Splits at LF; a CR before the LF is dropped, so files with either line end read the same.
std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string_view trim_right(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::string_view trim(std::string_view s) {
  s = trim_right(s);
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

char lower_char(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool iequals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (lower_char(a[i]) != lower_char(b[i])) return false;
  return true;
}

// True when `s` begins with `prefix`, ignoring case (the database's `like 'word%'`).
bool istarts_with(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && iequals(s.substr(0, prefix.size()), prefix);
}

bool has_upper(std::string_view s) {
  return std::any_of(s.begin(), s.end(),
                     [](char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; });
}

bool is_known_kind(std::string_view kind) {
  return std::find(std::begin(kArgumentKinds), std::end(kArgumentKinds), kind) !=
         std::end(kArgumentKinds);
}

bool is_known_mode(std::string_view name) {
  return std::find(std::begin(kTreeModeNames), std::end(kTreeModeNames), name) !=
         std::end(kTreeModeNames);
}

std::vector<std::string> split_blanks(std::string_view s) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && s[i] == ' ') ++i;
    size_t j = i;
    while (j < s.size() && s[j] != ' ') ++j;
    if (j > i) words.emplace_back(s.substr(i, j - i));
    i = j;
  }
  return words;
}

// ---- Reading the tree -------------------------------------------------------------------------

// The text of one row after its indentation: "word", "word {KIND}", each optionally followed by
// two or more blanks and the help text.
struct RowText {
  std::string word;       // keyword, placeholder or <cr>
  std::string kind;       // text between the braces, "" when there are none
  std::string help;       // help text
  bool has_help = false;  // a help text was given
  std::string handler;    // the name after "=>", "" when there is none
};

bool is_handler_name(std::string_view name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

// Takes a trailing "=> NAME" (after two or more blanks, or standing alone) off the row's text.
bool take_handler(std::string_view& content, RowText& out, std::string& message) {
  const size_t arrow = content.rfind("=> ");
  if (arrow == std::string_view::npos) return true;
  if (arrow != 0 && (arrow < 2 || content.substr(arrow - 2, 2) != "  ")) return true;
  const std::string_view name = trim(content.substr(arrow + 3));
  content = trim_right(content.substr(0, arrow));
  out.handler = std::string(name);
  if (is_handler_name(name)) return true;
  message = "a handler is written '=> name' in lower case, digits and '_'";
  return false;
}

// Splits a row's text; false with `message` set when its form is wrong (the fields are still
// filled as far as they could be read, so the row can keep its place in the tree).
bool parse_row_text(std::string_view content, RowText& out, std::string& message) {
  if (!take_handler(content, out, message)) return false;
  std::string_view left = content;
  size_t gap = content.find("  ");
  if (gap != std::string_view::npos) {
    left = content.substr(0, gap);
    std::string_view help = trim(content.substr(gap));
    out.help = std::string(help);
    out.has_help = !help.empty();
  }
  size_t brace = left.find(" {");
  if (brace != std::string_view::npos) {
    out.word = std::string(left.substr(0, brace));
    std::string_view rest = left.substr(brace + 2);
    if (rest.empty() || rest.back() != '}' || rest.find('}') != rest.size() - 1) {
      message = "argument kind must be written as 'PLACEHOLDER {KIND}'";
      return false;
    }
    out.kind = std::string(rest.substr(0, rest.size() - 1));
  } else {
    out.word = std::string(left);
    if (left.find('{') != std::string_view::npos) {
      message = "argument kind must follow the placeholder after one blank, as in 'WORD {WORD}'";
      return false;
    }
  }
  if (out.word.find(' ') != std::string::npos) {
    message = "a word cannot contain a blank; put two or more blanks before the help text";
    return false;
  }
  return true;
}

// Checks a row's own content (not its place among others); an empty message means it is fine.
std::string row_content_problem(const RowText& rt, int depth) {
  if (rt.word == kEnd) {
    if (!rt.kind.empty()) return "'<cr>' cannot carry an argument kind";
    if (depth == 1) return "'<cr>' cannot be a first word: it marks where a command may end";
    return "";
  }
  if (!rt.kind.empty()) {
    if (!is_known_kind(rt.kind))
      return "unknown argument kind '" + rt.kind + "' (kinds: WORD, LINE, Range, IP, SUBNETMASK)";
    return "";
  }
  if (!rt.has_help) return "keyword '" + rt.word + "' has no help text";
  if (has_upper(rt.word))
    return "keyword '" + rt.word + "' must be lower case (an argument needs its {KIND})";
  return "";
}

// ---- Shared blocks -----------------------------------------------------------------------------

// One line of the tree as the reader sees it once every "use" is replaced by its block's rows.
struct SourceLine {
  std::string_view text;
  int line = 0;      // where the text stands in the file (inside the block for a used row)
  size_t shift = 0;  // blanks added in front: the indentation of the "use" line, less one level
};

struct Block {
  int line = 0;                  // line of the "block NAME" line
  std::vector<SourceLine> rows;  // its lines, as written
  bool used = false;
};

bool is_top_line(std::string_view line) {
  return !line.empty() && line.front() != ' ' && line.front() != '#';
}

class BlockExpander {
 public:
  BlockExpander(std::vector<SourceError>& errors, const std::string& file)
      : errors_(errors), file_(file) {}

  // The file's lines with the blocks taken out and every "use NAME" replaced by the block's rows.
  std::vector<SourceLine> expand(std::string_view text) {
    std::vector<SourceLine> main;
    Block* open = nullptr;
    int n = 0;
    for (std::string_view raw : split_lines(text)) {
      ++n;
      const std::string_view line = trim_right(raw);
      if (is_top_line(line)) {
        open = nullptr;
        if (line.substr(0, 6) == "block ") {
          open = define(std::string(trim(line.substr(6))), n);
          continue;
        }
      }
      (open ? open->rows : main).push_back({line, n, 0});
    }
    std::vector<SourceLine> out;
    append(main, 0, out);
    for (const auto& [name, block] : blocks_)
      if (!block.used) fail(block.line, "block '" + name + "' is never used");
    return out;
  }

 private:
  Block* define(const std::string& name, int line) {
    if (!is_handler_name(name)) {
      fail(line, "a block name is lower case, digits and '_'");
      return &ignored_;
    }
    auto [it, fresh] = blocks_.try_emplace(name);
    if (!fresh) {
      fail(line, "block '" + name + "' already began at line " + std::to_string(it->second.line));
      return &ignored_;
    }
    it->second.line = line;
    return &it->second;
  }

  void append(const std::vector<SourceLine>& lines, size_t shift, std::vector<SourceLine>& out) {
    for (const SourceLine& l : lines) {
      const size_t indent = l.text.find_first_not_of(' ');
      const std::string_view content =
          indent == std::string_view::npos ? std::string_view{} : l.text.substr(indent);
      if (content.substr(0, 4) != "use ") {
        out.push_back({l.text, l.line, shift});
        continue;
      }
      const std::string name(trim(content.substr(4)));
      auto it = blocks_.find(name);
      if (it == blocks_.end()) {
        fail(l.line, "no block '" + name + "' (a block begins with a line 'block " + name + "')");
      } else if (indent < 2 || indent % 2 != 0) {
        fail(l.line, "'use' stands where the block's first words go: two blanks per level");
      } else if (std::find(using_.begin(), using_.end(), name) != using_.end()) {
        fail(l.line, "block '" + name + "' uses itself");
      } else {
        it->second.used = true;
        using_.push_back(name);
        append(it->second.rows, shift + indent - 2, out);
        using_.pop_back();
      }
    }
  }

  void fail(int line, std::string message) { errors_.push_back({file_, line, std::move(message)}); }

  std::vector<SourceError>& errors_;
  const std::string& file_;
  std::map<std::string, Block> blocks_;
  Block ignored_;                   // the rows of a block that could not be defined
  std::vector<std::string> using_;  // the blocks being expanded, outermost first
};

}  // namespace

std::string format_source_error(const SourceError& e) {
  return e.file + ":" + std::to_string(e.line) + ": " + e.message;
}

CommandTree read_command_tree(std::string_view text, const std::string& file,
                              std::vector<SourceError>& errors) {
  CommandTree tree;
  std::array<int, kTreeMaxDepth + 1> last_id{};  // last ID given out per table cmd1..cmd7
  std::vector<int> open_rows;                    // open_rows[k-1]: the latest row at depth k
  int current_mode = -1;
  bool skipping_mode = false;  // rows of a rejected mode line are passed over without noise
  auto fail = [&](int line, std::string message) {
    errors.push_back({file, line, std::move(message)});
  };

  const std::vector<SourceLine> lines = BlockExpander(errors, file).expand(text);
  for (const SourceLine& source : lines) {
    const int n = source.line;
    std::string_view line = source.text;
    if (line.empty()) continue;
    const size_t written = line.find_first_not_of(' ');
    if (line[written] == '#') continue;
    const size_t indent = written + source.shift;  // a used block's rows stand under the "use"
    if (line.find('\t') != std::string_view::npos) {
      fail(n, "tab character: indent by two blanks per level, separate help by blanks");
      continue;
    }
    if (indent == 0) {
      if (line.substr(0, 5) != "mode ") {
        fail(n, "expected 'mode NAME' or a row indented by two blanks per level");
        continue;
      }
      std::string name(trim(line.substr(5)));
      open_rows.clear();
      skipping_mode = true;
      current_mode = -1;
      if (!is_known_mode(name)) {
        fail(n, "unknown mode '" + name + "'");
        continue;
      }
      auto same = std::find_if(tree.modes.begin(), tree.modes.end(),
                               [&](const TreeMode& m) { return m.name == name; });
      if (same != tree.modes.end()) {
        fail(n, "mode '" + name + "' already began at line " + std::to_string(same->line));
        continue;
      }
      tree.modes.push_back({n, name, static_cast<int>(tree.modes.size()) + 1});
      tree.roots.emplace_back();
      current_mode = static_cast<int>(tree.modes.size()) - 1;
      skipping_mode = false;
      continue;
    }
    if (skipping_mode) continue;
    if (current_mode < 0) {
      fail(n, "row before the first 'mode' line");
      continue;
    }
    if (indent % 2 != 0) {
      fail(n, "indented by " + std::to_string(indent) + " blanks: use two blanks per level");
      continue;
    }
    int depth = static_cast<int>(indent / 2);
    if (depth > kTreeMaxDepth) {
      fail(n, "row at word " + std::to_string(depth) + ": commands are at most 7 words deep");
      continue;
    }
    if (depth > static_cast<int>(open_rows.size()) + 1) {
      fail(n, "indented more than one level below the row above");
      continue;
    }

    // A '+' before the word: the row, and every row below it, exists in real-router only.
    std::string_view content = line.substr(written);
    const bool marked = content.front() == '+';
    if (marked) content.remove_prefix(1);
    RowText rt;
    std::string message;
    if (content.empty() || content.front() == ' ') {
      fail(n, "'+' must stand directly before the word it marks");
    } else if (!parse_row_text(content, rt, message)) {
      fail(n, message);
    } else {
      message = row_content_problem(rt, depth);
      if (!message.empty()) fail(n, message);
    }

    open_rows.resize(static_cast<size_t>(depth - 1));
    int parent = open_rows.empty() ? -1 : open_rows.back();
    if (parent >= 0 && tree.rows[static_cast<size_t>(parent)].is_end())
      fail(n, "nothing can follow '<cr>': it marks where a command ends");

    TreeRow row;
    row.line = n;
    row.depth = depth;
    row.mode = current_mode;
    row.parent = parent;
    row.id = ++last_id[static_cast<size_t>(depth)];
    row.word = std::move(rt.word);
    row.kind = std::move(rt.kind);
    row.help = std::move(rt.help);
    row.has_help = rt.has_help;
    row.handler = std::move(rt.handler);
    row.real_router_only =
        marked || (parent >= 0 && tree.rows[static_cast<size_t>(parent)].real_router_only);
    int index = static_cast<int>(tree.rows.size());
    tree.rows.push_back(std::move(row));
    if (parent >= 0)
      tree.rows[static_cast<size_t>(parent)].children.push_back(index);
    else
      tree.roots[static_cast<size_t>(current_mode)].push_back(index);
    open_rows.push_back(index);
  }
  return tree;
}

// ---- Reading the templates --------------------------------------------------------------------

namespace {

// The row that a mode name and a path of words (as spelled in the tree) name, or -1.
int find_row(const CommandTree& tree, const std::string& mode,
             const std::vector<std::string>& words) {
  auto m = std::find_if(tree.modes.begin(), tree.modes.end(),
                        [&](const TreeMode& tm) { return tm.name == mode; });
  if (m == tree.modes.end() || words.empty()) return -1;
  const std::vector<int>* level = &tree.roots[static_cast<size_t>(m - tree.modes.begin())];
  int found = -1;
  for (const std::string& w : words) {
    found = -1;
    for (int r : *level)
      if (tree.rows[static_cast<size_t>(r)].word == w) found = r;
    if (found < 0) return -1;
    level = &tree.rows[static_cast<size_t>(found)].children;
  }
  return found;
}

}  // namespace

void read_report_templates(std::string_view text, const std::string& file, CommandTree& tree,
                           std::vector<SourceError>& errors) {
  std::vector<std::string_view> lines = split_lines(text);
  std::map<int, int> template_line;  // row index -> line of the template already given for it
  auto fail = [&](int line, std::string message) {
    errors.push_back({file, line, std::move(message)});
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    int n = static_cast<int>(i) + 1;
    std::string_view line = trim_right(lines[i]);
    if (line.empty() || line.front() == '#') continue;
    if (line == "===") {
      fail(n, "'===' closes a template, but none is open");
      continue;
    }
    if (line.substr(0, 4) != "=== ") {
      fail(n, "expected '=== MODE WORD ...' to begin a template");
      continue;
    }
    size_t close = i + 1;
    while (close < lines.size() && trim_right(lines[close]) != "===") ++close;
    if (close == lines.size()) {
      fail(n, "template not closed by a line '==='");
      return;
    }
    std::string body;
    for (size_t k = i + 1; k < close; ++k) {
      if (k > i + 1) body += "\r\n";
      body += lines[k];
    }
    std::vector<std::string> words = split_blanks(line.substr(4));
    i = close;
    if (words.size() < 2) {
      fail(n, "a template header names a mode and a command path");
      continue;
    }
    std::string mode = words.front();
    words.erase(words.begin());
    int row = find_row(tree, mode, words);
    if (row < 0) {
      fail(n, "no row '" + std::string(trim(line.substr(4))) + "' in the command tree");
      continue;
    }
    auto [it, fresh] = template_line.emplace(row, n);
    if (!fresh) {
      fail(n, "second template for this row (the first is at line " + std::to_string(it->second) +
                  ")");
      continue;
    }
    TreeRow& target = tree.rows[static_cast<size_t>(row)];
    target.toptext = std::move(body);
    target.has_template = true;
  }
}

// ---- Checking the tree ------------------------------------------------------------------------

namespace {

class TreeChecker {
 public:
  TreeChecker(const CommandTree& tree, const std::string& file, std::vector<SourceError>& errors)
      : tree_(tree), file_(file), errors_(errors) {}

  void check_siblings() {
    for (const std::vector<int>& group : tree_.roots) check_group(group);
    for (const TreeRow& row : tree_.rows) check_group(row.children);
  }

  // Classic lines never see the rows marked '+': the checks below then look at the others only.
  void set_classic_view(bool classic) { classic_ = classic; }

  void check_rows() {
    for (const TreeRow& row : tree_.rows) {
      if (!visible(row)) continue;
      if (row.is_keyword() && visible_children(row).empty())
        fail(row.line, "'" + path_text(row) +
                           (classic_ && !row.children.empty()
                                ? "' leads nowhere in classic: every row below it is marked '+'"
                                : "' leads nowhere: add '<cr>' where the command may end, or the "
                                  "words that follow"));
      // The real-router line checks every word, so its own rows may go on after such an argument.
      if (row.is_argument() && row.depth >= 4 && is_typed(row) && !row.real_router_only) {
        for (int c : row.children)
          if (!at(c).is_end())
            fail(at(c).line, "an argument at word " + std::to_string(row.depth) +
                                 " must be the last word: only '<cr>' may follow it");
      }
    }
  }

  // Every keyword typed in full must resolve to its own row, in each mode that sees it.
  void check_resolution() {
    for (size_t m = 0; m < tree_.modes.size(); ++m) {
      for (const std::vector<int>& view : views_of(static_cast<int>(m))) {
        for (size_t r = 0; r < tree_.rows.size(); ++r) {
          const TreeRow& row = tree_.rows[r];
          if (row.mode == static_cast<int>(m) && visible(row) && row.is_keyword() && is_typed(row))
            resolve(view, static_cast<int>(r));
        }
      }
    }
  }

  void check_every_mode() {
    for (std::string_view name : kTreeModeNames) {
      bool present = std::any_of(tree_.modes.begin(), tree_.modes.end(),
                                 [&](const TreeMode& m) { return m.name == name; });
      if (!present) fail(1, "mode '" + std::string(name) + "' is missing");
    }
  }

 private:
  const TreeRow& at(int index) const { return tree_.rows[static_cast<size_t>(index)]; }

  bool visible(const TreeRow& row) const { return !classic_ || !row.real_router_only; }

  // The rows of `group` that the view sees.
  std::vector<int> in_view(const std::vector<int>& group) const {
    std::vector<int> seen;
    for (int r : group)
      if (visible(at(r))) seen.push_back(r);
    return seen;
  }
  std::vector<int> visible_children(const TreeRow& row) const { return in_view(row.children); }

  void fail(int line, std::string message) {
    if (reported_.emplace(line, message).second)
      errors_.push_back({file_, line, std::move(message)});
  }

  std::string path_text(const TreeRow& row) const {
    std::string text = row.word;
    for (int p = row.parent; p >= 0; p = at(p).parent) text = at(p).word + " " + text;
    return text;
  }

  // Whether the row can be reached by typing: the parser executes at once after an argument at
  // word 2 or 3 (and an argument further on must be the last word), so rows below an argument
  // only ever show up in a "?" listing.
  bool is_typed(const TreeRow& row) const {
    for (int p = row.parent; p >= 0; p = at(p).parent)
      if (at(p).is_argument()) return false;
    return true;
  }

  void check_group(const std::vector<int>& group) {
    for (size_t j = 0; j < group.size(); ++j) {
      const TreeRow& later = at(group[j]);
      for (size_t i = 0; i < j; ++i) {
        const TreeRow& earlier = at(group[i]);
        if (iequals(earlier.word, later.word)) {
          fail(later.line,
               "'" + later.word + "' repeats the sibling at line " + std::to_string(earlier.line));
        } else if (!later.is_end() && istarts_with(earlier.word, later.word)) {
          fail(later.line, "'" + later.word + "' must come before its longer sibling '" +
                               earlier.word + "' (line " + std::to_string(earlier.line) +
                               "): the lookup takes the first row that begins with the word");
        }
      }
    }
  }

  // The sets of modes a line is resolved against when typed in mode `m`: privileged mode sees
  // the user-mode rows too, so user-mode rows are checked both alone and with them.
  std::vector<std::vector<int>> views_of(int m) const {
    auto index_of = [&](std::string_view name) {
      for (size_t i = 0; i < tree_.modes.size(); ++i)
        if (tree_.modes[i].name == name) return static_cast<int>(i);
      return -1;
    };
    const std::string& name = tree_.modes[static_cast<size_t>(m)].name;
    int user = index_of("usermode");
    int priv = index_of("privmode");
    if (name == "usermode" && priv >= 0) return {{m}, {m, priv}};
    if (name == "privmode" && user >= 0) return {{user, m}};
    return {{m}};
  }

  // Whether the rows of `row`'s word among `matched` are keywords of different modes (user and
  // privileged mode), which the queries join into one word.
  bool same_word_joins(const std::vector<int>& matched, const TreeRow& row) const {
    std::set<int> modes;
    for (int r : matched) {
      if (!iequals(at(r).word, row.word)) continue;
      if (!at(r).is_keyword() || !modes.insert(at(r).mode).second) return false;
    }
    return true;
  }

  // Matches the path of `target`, typed in full, the way the queries do: each level by prefix
  // under the rows the level above matched; at the last level a count of two or more is narrowed
  // to the exact matches, and the command text comes from the first prefix match by ID.
  void resolve(const std::vector<int>& view, int target) {
    std::vector<int> path;
    for (int r = target; r >= 0; r = at(r).parent) path.insert(path.begin(), r);
    std::vector<int> level;
    for (int m : view) {
      const std::vector<int> roots = in_view(tree_.roots[static_cast<size_t>(m)]);
      level.insert(level.end(), roots.begin(), roots.end());
    }
    std::vector<int> matched;
    for (size_t k = 0; k < path.size(); ++k) {
      const std::string& word = at(path[k]).word;
      matched.clear();
      for (int r : level)
        if (istarts_with(at(r).word, word)) matched.push_back(r);
      if (k + 1 == path.size()) break;
      level.clear();
      for (int r : matched) {
        const std::vector<int> children = visible_children(at(r));
        level.insert(level.end(), children.begin(), children.end());
      }
    }
    const TreeRow& row = at(target);
    std::string typed = path_text(row);
    // Real-router lines try the keywords first at every word, so only classic has this rule.
    if (row.depth == 2 && classic_) {
      for (int r : level)
        if (at(r).is_argument()) {
          fail(row.line, "'" + typed + "' can never be typed: the argument '" + at(r).word +
                             "' (line " + std::to_string(at(r).line) +
                             ") at word 2 takes any word there");
          return;
        }
    }
    // The queries count words, not rows: a first word that user and privileged mode both hold
    // is one word there. Anywhere else two rows of one word would be two commands.
    std::vector<std::string> words;
    for (int r : matched)
      if (std::none_of(words.begin(), words.end(),
                       [&](const std::string& w) { return iequals(w, at(r).word); }))
        words.push_back(at(r).word);
    size_t count = words.size();
    const size_t exact = static_cast<size_t>(std::count_if(
        matched.begin(), matched.end(), [&](int r) { return iequals(at(r).word, row.word); }));
    if (count >= 2 && exact > 0) count = 1;
    if (exact > 1 && !(row.depth == 1 && same_word_joins(matched, row))) count = exact;
    if (count != 1) {
      std::string lines;
      for (int r : matched)
        if (iequals(at(r).word, row.word)) lines += " " + std::to_string(at(r).line);
      fail(row.line, "'" + typed + "' typed in full matches " + std::to_string(count) +
                         " rows (lines" + lines + "): it would be ambiguous");
      return;
    }
    int first = *std::min_element(matched.begin(), matched.end(),
                                  [&](int a, int b) { return at(a).id < at(b).id; });
    if (first != target && !iequals(at(first).word, row.word))
      fail(row.line, "'" + typed + "' typed in full finds the row at line " +
                         std::to_string(at(first).line) + " first");
  }

  const CommandTree& tree_;
  const std::string& file_;
  std::vector<SourceError>& errors_;
  std::set<std::pair<int, std::string>> reported_;  // each mistake is reported once
  bool classic_ = false;                            // the rows marked '+' are left out
};

}  // namespace

void check_command_tree(const CommandTree& tree, const std::string& file, bool require_every_mode,
                        std::vector<SourceError>& errors) {
  TreeChecker checker(tree, file, errors);
  checker.check_siblings();
  for (bool classic : {false, true}) {
    checker.set_classic_view(classic);
    checker.check_rows();
    checker.check_resolution();
  }
  if (require_every_mode) checker.check_every_mode();
}

}  // namespace zorva
