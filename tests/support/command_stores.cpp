#include "tests/support/command_stores.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "tests/support/test_paths.h"
#include "tools/mdbgen/command_database_writer.h"
#include "tools/mdbgen/command_tables_from_tree.h"
#include "tools/mdbgen/command_tree_source.h"

namespace zorva::testing {
std::string store_kind_name(const ::testing::TestParamInfo<StoreKind>& info) {
  return info.param == StoreKind::SqliteFile ? "SqliteFile" : "MemoryTables";
}

CommandTables tables_from_text(const std::string& tree_text, const std::string& templates_text) {
  std::vector<SourceError> errors;
  CommandTree tree = read_command_tree(tree_text, "tree.txt", errors);
  read_report_templates(templates_text, "templates.txt", tree, errors);
  if (errors.empty()) check_command_tree(tree, "tree.txt", false, errors);
  for (const SourceError& e : errors) ADD_FAILURE() << format_source_error(e);
  return command_tables_from_tree(tree);
}

CommandTables shipped_tables() {
  const std::filesystem::path data = source_dir() / "data";
  return tables_from_text(file_text(data / "command_tree.txt"),
                          file_text(data / "report_templates.txt"));
}

bool open_as(CommandDatabase& db, StoreKind kind, const CommandTables& tables,
             const std::filesystem::path& file) {
  if (kind == StoreKind::MemoryTables) return db.open_tables(tables);
  std::string error;
  if (!write_command_database(tables, file, error)) {
    ADD_FAILURE() << error;
    return false;
  }
  return db.open(file);
}

}  // namespace zorva::testing
