// Opening the built-in tables. A file of its own: only a program that calls open_builtin() pulls
// in the generated tables (library zorva_command_tables); the native programs read zorva.mdb and
// link without them.
#include "parser/command_database.h"
#include "parser/command_tables.h"

namespace zorva {

bool CommandDatabase::open_builtin() {
  return open_tables(builtin_command_tables());
}

}  // namespace zorva
