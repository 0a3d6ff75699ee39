// The first output of zorva-mdbgen: the command tables as the SQLite file zorva.mdb.
#pragma once

#include <filesystem>
#include <string>

#include "parser/command_tables.h"

namespace zorva {

// Writes the tables as a fresh SQLite database at `out`: first into a temporary file beside it,
// then renamed, so that an interrupted run never leaves half a database. False with `error` set
// when it could not be written (always, in a zorva-mdbgen built without SQLite).
bool write_command_database(const CommandTables& tables, const std::filesystem::path& out,
                            std::string& error);

}  // namespace zorva
