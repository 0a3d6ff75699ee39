// The one conversion from the checked command tree to the tables of the command database. Both
// outputs of zorva-mdbgen, the SQLite file and the built-in tables source, are written from its
// result, so they hold the same rows.
#pragma once

#include "parser/command_tables.h"
#include "tools/mdbgen/command_tree_source.h"

namespace zorva {

// The modes in file order, and each row in the level of its depth, in file order (so in ID order),
// with NULL where the tree gives no help, no argument kind or no template; bottext is always NULL.
CommandTables command_tables_from_tree(const CommandTree& tree);

}  // namespace zorva
