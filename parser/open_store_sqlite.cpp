// The command database file is read with SQLite: the build's choice when SQLite is there.
#include "parser/command_store.h"
#include "parser/sqlite_command_store.h"

namespace zorva {

OpenedStore open_store_for_path(const std::filesystem::path& file) {
  return SqliteCommandStore::open(file);
}

}  // namespace zorva
