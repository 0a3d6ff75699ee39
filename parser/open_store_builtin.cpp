// A build without SQLite (the browser build) carries the command tables inside the program: the
// command database file named is never read, and the built-in tables answer instead.
#include "parser/command_store.h"
#include "parser/memory_command_store.h"

namespace zorva {

OpenedStore open_store_for_path(const std::filesystem::path&) {
  return {std::make_unique<MemoryCommandStore>(builtin_command_tables()), StoreStatus::Open};
}

}  // namespace zorva
