// zorva-mdbgen: turns the readable command tree and its report templates into the command
// database, as the SQLite file and/or as the C++ source of the built-in tables.
// Usage: zorva-mdbgen TREE TEMPLATES [OUTPUT.mdb] [--tables-cpp FILE.cpp]
//                     [--handlers LIST [--bindings-cpp FILE.cpp]]
// At least one output is named. With the handler list, the handler names of the tree are checked
// against it, and the bindings of the tree's ends to their handlers may be written as C++. Every
// mistake found in the sources is printed as "file:line: message" and the run fails without
// touching any output.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/mdbgen/command_bindings_source.h"
#include "tools/mdbgen/command_database_writer.h"
#include "tools/mdbgen/command_tables_from_tree.h"
#include "tools/mdbgen/command_tables_source.h"
#include "tools/mdbgen/command_tree_source.h"

namespace {

constexpr const char* kUsage =
    "usage: zorva-mdbgen TREE TEMPLATES [OUTPUT.mdb] [--tables-cpp FILE.cpp]\n"
    "                    [--handlers LIST [--bindings-cpp FILE.cpp]]\n";

struct Arguments {
  std::string tree_file;
  std::string templates_file;
  std::string database_file;  // "" when not asked for
  std::string tables_file;    // "" when not asked for
  std::string handlers_file;  // "" when the handler names are not checked
  std::string bindings_file;  // "" when not asked for
};

bool parse_arguments(int argc, char** argv, Arguments& args) {
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::string* value = arg == "--tables-cpp"     ? &args.tables_file
                         : arg == "--handlers"     ? &args.handlers_file
                         : arg == "--bindings-cpp" ? &args.bindings_file
                                                   : nullptr;
    if (value) {
      if (i + 1 >= argc || !value->empty()) return false;
      *value = argv[++i];
    } else {
      positional.emplace_back(arg);
    }
  }
  if (positional.size() < 2 || positional.size() > 3) return false;
  args.tree_file = positional[0];
  args.templates_file = positional[1];
  if (positional.size() == 3) args.database_file = positional[2];
  if (!args.bindings_file.empty() && args.handlers_file.empty()) return false;
  return !args.database_file.empty() || !args.tables_file.empty() || !args.bindings_file.empty();
}

bool read_file(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  if (!parse_arguments(argc, argv, args)) {
    std::cerr << kUsage;
    return 2;
  }
  std::string tree_text, templates_text;
  if (!read_file(args.tree_file, tree_text)) {
    std::cerr << args.tree_file << ": cannot be read\n";
    return 1;
  }
  if (!read_file(args.templates_file, templates_text)) {
    std::cerr << args.templates_file << ": cannot be read\n";
    return 1;
  }

  std::string handlers_text;
  if (!args.handlers_file.empty() && !read_file(args.handlers_file, handlers_text)) {
    std::cerr << args.handlers_file << ": cannot be read\n";
    return 1;
  }

  std::vector<zorva::SourceError> errors;
  zorva::CommandTree tree = zorva::read_command_tree(tree_text, args.tree_file, errors);
  zorva::read_report_templates(templates_text, args.templates_file, tree, errors);
  std::vector<zorva::HandlerName> handlers;
  if (!args.handlers_file.empty())
    handlers = zorva::read_handler_names(handlers_text, args.handlers_file, errors);
  if (errors.empty()) zorva::check_command_tree(tree, args.tree_file, true, errors);
  if (errors.empty() && !args.handlers_file.empty())
    zorva::check_handlers(tree, handlers, args.tree_file, args.handlers_file, errors);
  if (!errors.empty()) {
    for (const zorva::SourceError& e : errors) std::cerr << zorva::format_source_error(e) << "\n";
    std::cerr << errors.size() << " mistake(s); nothing was written\n";
    return 1;
  }

  const zorva::CommandTables tables = zorva::command_tables_from_tree(tree);
  std::string error;
  if (!args.database_file.empty() &&
      !zorva::write_command_database(tables, args.database_file, error)) {
    std::cerr << args.database_file << ": " << error << "\n";
    return 1;
  }
  if (!args.tables_file.empty() &&
      !zorva::write_command_tables_source(tables, args.tables_file, error)) {
    std::cerr << args.tables_file << ": " << error << "\n";
    return 1;
  }
  if (!args.bindings_file.empty() &&
      !zorva::write_generated_file(
          zorva::command_bindings_source(zorva::command_bindings(tree, handlers)),
          args.bindings_file, error)) {
    std::cerr << args.bindings_file << ": " << error << "\n";
    return 1;
  }
  return 0;
}
