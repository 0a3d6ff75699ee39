// Binding the ends of the command tree to their handlers: reading the handler list, refusing
// names that do not match it, and computing for every path a line can resolve to the handler it
// runs, the way the parser walks the tree (privileged mode through the user-mode rows too, every
// argument of a level as one word, classic without the rows marked '+').
#include "tools/mdbgen/command_bindings_source.h"

#include <algorithm>
#include <map>
#include <set>

#include "tools/mdbgen/command_tables_source.h"

namespace zorva {
namespace {

constexpr std::string_view kEntry = "ZORVA_HANDLER(";

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\r' || s.back() == '\t'))
    s.remove_suffix(1);
  return s;
}

// The handler each row's ends run: the row's own, else its parent's ("" for none).
std::vector<std::string> effective_handlers(const CommandTree& tree) {
  std::vector<std::string> out(tree.rows.size());
  for (size_t i = 0; i < tree.rows.size(); ++i) {
    const TreeRow& row = tree.rows[i];
    out[i] = !row.handler.empty() ? row.handler
             : row.parent >= 0    ? out[static_cast<size_t>(row.parent)]
                                  : std::string();
  }
  return out;
}

class BindingWalker {
 public:
  BindingWalker(const CommandTree& tree, const std::vector<HandlerName>& names)
      : tree_(tree), names_(names), effective_(effective_handlers(tree)) {}

  std::vector<Binding> run() {
    for (size_t m = 0; m < tree_.modes.size(); ++m) {
      std::vector<int> roots = tree_.roots[m];
      if (tree_.modes[m].name == "privmode")
        for (size_t u = 0; u < tree_.modes.size(); ++u)
          if (tree_.modes[u].name == "usermode")
            roots.insert(roots.begin(), tree_.roots[u].begin(), tree_.roots[u].end());
      for (bool classic : {true, false}) {
        classic_ = classic;
        walk(tree_.modes[m].name, roots);
      }
    }
    std::vector<Binding> out;
    for (auto& [key, b] : found_)
      if (b.classic >= 0 || b.real_router >= 0) out.push_back(b);
    return out;
  }

 private:
  const TreeRow& at(int r) const { return tree_.rows[static_cast<size_t>(r)]; }
  bool visible(int r) const { return !classic_ || !at(r).real_router_only; }

  // The rows of `rows` grouped by the word a line resolves them to.
  std::map<std::string, std::vector<int>> words_of(const std::vector<int>& rows) const {
    std::map<std::string, std::vector<int>> groups;
    for (int r : rows)
      if (visible(r) && !at(r).is_end())
        groups[at(r).is_argument() ? "{}" : at(r).word].push_back(r);
    return groups;
  }

  void walk(const std::string& key, const std::vector<int>& level) {
    for (const auto& [word, rows] : words_of(level)) {
      const std::string path = key + " " + word;
      Binding& b = found_[path];
      b.key = path;
      (classic_ ? b.classic : b.real_router) = handler_of(rows);
      std::vector<int> below;
      for (int r : rows) below.insert(below.end(), at(r).children.begin(), at(r).children.end());
      walk(path, below);
    }
  }

  // The ends directly below `rows`, or failing those every end further down. A row with nothing
  // below it (an argument at the deepest word) ends the command itself.
  int handler_of(const std::vector<int>& rows) const {
    std::set<std::string> direct, all;
    for (int r : rows) {
      if (at(r).children.empty()) direct.insert(effective_[static_cast<size_t>(r)]);
      collect(r, 0, direct, all);
    }
    const std::set<std::string>& ends = direct.empty() ? all : direct;
    if (ends.size() != 1) return -1;
    for (size_t i = 0; i < names_.size(); ++i)
      if (names_[i].name == *ends.begin()) return static_cast<int>(i);
    return -1;
  }

  void collect(int r, int depth, std::set<std::string>& direct, std::set<std::string>& all) const {
    for (int c : at(r).children) {
      if (!visible(c)) continue;
      if (at(c).is_end()) {
        all.insert(effective_[static_cast<size_t>(c)]);
        if (depth == 0) direct.insert(effective_[static_cast<size_t>(c)]);
      } else {
        collect(c, depth + 1, direct, all);
      }
    }
  }

  const CommandTree& tree_;
  const std::vector<HandlerName>& names_;
  const std::vector<std::string> effective_;
  std::map<std::string, Binding> found_;
  bool classic_ = true;
};

}  // namespace

std::vector<HandlerName> read_handler_names(std::string_view text, const std::string& file,
                                            std::vector<SourceError>& errors) {
  std::vector<HandlerName> names;
  int n = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = trimmed(text.substr(start, end - start));
    start = end + 1;
    ++n;
    if (line.empty() || line.substr(0, 2) == "//") continue;
    const size_t comma = line.find(',');
    if (line.substr(0, kEntry.size()) != kEntry || comma == std::string_view::npos ||
        line.back() != ')') {
      errors.push_back({file, n, "expected 'ZORVA_HANDLER(name, function)'"});
      continue;
    }
    const std::string name(trimmed(line.substr(kEntry.size(), comma - kEntry.size())));
    auto same = std::find_if(names.begin(), names.end(),
                             [&](const HandlerName& h) { return h.name == name; });
    if (same != names.end()) {
      errors.push_back(
          {file, n, "handler '" + name + "' is listed at line " + std::to_string(same->line)});
      continue;
    }
    names.push_back({name, n});
  }
  return names;
}

void check_handlers(const CommandTree& tree, const std::vector<HandlerName>& names,
                    const std::string& tree_file, const std::string& list_file,
                    std::vector<SourceError>& errors) {
  const auto listed = [&](const std::string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const HandlerName& h) { return h.name == name; });
  };
  std::set<std::pair<int, std::string>> reported;  // a row used by several blocks: once
  for (const TreeRow& row : tree.rows)
    if (!row.handler.empty() && !listed(row.handler) &&
        reported.emplace(row.line, row.handler).second)
      errors.push_back({tree_file, row.line,
                        "no handler '" + row.handler + "' in " + list_file +
                            " (a handler is written '=> NAME')"});
  const std::vector<std::string> effective = effective_handlers(tree);
  std::set<std::string> run;
  for (size_t i = 0; i < tree.rows.size(); ++i)
    if (tree.rows[i].is_end()) run.insert(effective[i]);
  for (const HandlerName& h : names)
    if (!run.count(h.name))
      errors.push_back(
          {list_file, h.line, "handler '" + h.name + "' is run by no command of " + tree_file});
}

std::vector<Binding> command_bindings(const CommandTree& tree,
                                      const std::vector<HandlerName>& names) {
  return BindingWalker(tree, names).run();
}

std::string command_bindings_source(const std::vector<Binding>& bindings) {
  std::string out =
      "// Generated by zorva-mdbgen from the command tree and the handler list: do not edit.\n"
      "#include <array>\n#include <span>\n#include <string_view>\n\n"
      "#include \"parser/command_bindings.h\"\n\nnamespace zorva {\nnamespace {\n\n"
      "using namespace std::string_view_literals;\n\n";
  out += "constexpr std::array<CommandBinding, " + std::to_string(bindings.size()) + "> kBindings{";
  if (!bindings.empty()) {
    out += "{\n";
    for (const Binding& b : bindings)
      out += "    {" + cpp_string_literal(b.key) + "sv, " + std::to_string(b.classic) + ", " +
             std::to_string(b.real_router) + "},\n";
    out += "}";
  }
  out += "};\n\n}  // namespace\n\n";
  out += "std::span<const CommandBinding> command_bindings() {\n  return kBindings;\n}\n\n";
  return out + "}  // namespace zorva\n";
}

}  // namespace zorva
