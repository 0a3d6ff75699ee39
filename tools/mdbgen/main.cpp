// zorva-mdbgen: turns the readable command tree and its report templates into the command
// database, as the SQLite file and/or as the C++ source of the built-in tables.
// Usage: zorva-mdbgen TREE TEMPLATES [OUTPUT.mdb] [--tables-cpp FILE.cpp]
// At least one output is named. Every mistake found in the sources is printed as
// "file:line: message" and the run fails without touching any output.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/mdbgen/command_database_writer.h"
#include "tools/mdbgen/command_tables_from_tree.h"
#include "tools/mdbgen/command_tables_source.h"
#include "tools/mdbgen/command_tree_source.h"

namespace {

constexpr const char* kUsage =
    "usage: zorva-mdbgen TREE TEMPLATES [OUTPUT.mdb] [--tables-cpp FILE.cpp]\n";

struct Arguments {
  std::string tree_file;
  std::string templates_file;
  std::string database_file;  // "" when not asked for
  std::string tables_file;    // "" when not asked for
};

bool parse_arguments(int argc, char** argv, Arguments& args) {
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--tables-cpp") {
      if (i + 1 >= argc || !args.tables_file.empty()) return false;
      args.tables_file = argv[++i];
    } else {
      positional.emplace_back(arg);
    }
  }
  if (positional.size() < 2 || positional.size() > 3) return false;
  args.tree_file = positional[0];
  args.templates_file = positional[1];
  if (positional.size() == 3) args.database_file = positional[2];
  return !args.database_file.empty() || !args.tables_file.empty();
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

  std::vector<zorva::SourceError> errors;
  zorva::CommandTree tree = zorva::read_command_tree(tree_text, args.tree_file, errors);
  zorva::read_report_templates(templates_text, args.templates_file, tree, errors);
  if (errors.empty()) zorva::check_command_tree(tree, args.tree_file, true, errors);
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
  return 0;
}
