// The command tree as plain tables, the same rows the SQLite file zorva.mdb holds: the modes, and
// per word level 1..7 the rows of that level. The memory command store answers the parser's queries
// over them; zorva-mdbgen writes them as static data into the program for builds without SQLite.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorva {

inline constexpr int kCommandLevels = 7;  // word levels, as the tables cmd1..cmd7

// CommandRow::behaviour of a row that only lines typed in real-router behaviour may use; rows with
// a NULL behaviour serve both behaviours.
inline constexpr std::string_view kRealRouterRow = "real-router";

// A nullable text column: std::nullopt where the database holds NULL.
using CommandText = std::optional<std::string>;

// A row of the table `mode`. Every mode belongs to the one device, "router".
struct CommandMode {
  int id = 0;        // mode.ID
  std::string name;  // mode.mode, as the mode-name table spells it

  bool operator==(const CommandMode&) const = default;
};

// A row of a table cmd<level>.
struct CommandRow {
  int id = 0;             // unique within its level; rows are numbered in source order
  int ref = 0;            // the parent row's ID one level up; at level 1 the mode's ID
  CommandText command;    // keyword, argument placeholder, or "<cr>"
  CommandText help;       // help text shown by "?"
  CommandText special;    // argument kind; NULL for a keyword and for "<cr>"
  CommandText toptext;    // report template
  CommandText bottext;    // second template slot (wins over toptext)
  CommandText behaviour;  // kRealRouterRow, or NULL for a row of both behaviours

  bool operator==(const CommandRow&) const = default;
};

struct CommandTables {
  std::vector<CommandMode> modes;
  // levels[1..7]: the rows of cmd1..cmd7 in ID order; levels[0] stays empty.
  std::array<std::vector<CommandRow>, kCommandLevels + 1> levels{};

  bool operator==(const CommandTables&) const = default;
};

// The tables of data/command_tree.txt and data/report_templates.txt, compiled into the program by
// zorva-mdbgen (library zorva_command_tables).
const CommandTables& builtin_command_tables();

}  // namespace zorva
