// zorva-mdbgen: turns the readable command tree and its report templates into the command
// database. Usage: zorva-mdbgen TREE TEMPLATES OUTPUT. Every mistake found in the sources is
// printed as "file:line: message" and the run fails without touching OUTPUT.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/mdbgen/command_tree_source.h"

namespace {

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
  if (argc != 4) {
    std::cerr << "usage: zorva-mdbgen TREE TEMPLATES OUTPUT\n";
    return 2;
  }
  const std::string tree_file = argv[1];
  const std::string templates_file = argv[2];
  std::string tree_text, templates_text;
  if (!read_file(tree_file, tree_text)) {
    std::cerr << tree_file << ": cannot be read\n";
    return 1;
  }
  if (!read_file(templates_file, templates_text)) {
    std::cerr << templates_file << ": cannot be read\n";
    return 1;
  }

  std::vector<zorva::SourceError> errors;
  zorva::CommandTree tree = zorva::read_command_tree(tree_text, tree_file, errors);
  zorva::read_report_templates(templates_text, templates_file, tree, errors);
  if (errors.empty()) zorva::check_command_tree(tree, tree_file, true, errors);
  if (!errors.empty()) {
    for (const zorva::SourceError& e : errors) std::cerr << zorva::format_source_error(e) << "\n";
    std::cerr << errors.size() << " mistake(s); " << argv[3] << " was not written\n";
    return 1;
  }

  std::string error;
  if (!zorva::write_command_database(tree, argv[3], error)) {
    std::cerr << argv[3] << ": " << error << "\n";
    return 1;
  }
  return 0;
}
