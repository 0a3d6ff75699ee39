// The SQLite writer of a zorva-mdbgen built without SQLite: it writes only the tables source.
#include "tools/mdbgen/command_database_writer.h"

namespace zorva {

bool write_command_database(const CommandTables&, const std::filesystem::path&,
                            std::string& error) {
  error = "this zorva-mdbgen was built without SQLite: it can write only --tables-cpp";
  return false;
}

}  // namespace zorva
