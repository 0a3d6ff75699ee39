#include "tools/mdbgen/command_tables_from_tree.h"

namespace zorva {
namespace {

CommandText text_if(bool present, const std::string& text) {
  return present ? CommandText(text) : std::nullopt;
}

}  // namespace

CommandTables command_tables_from_tree(const CommandTree& tree) {
  CommandTables tables;
  for (const TreeMode& m : tree.modes) tables.modes.push_back({m.id, m.name});
  for (const TreeRow& row : tree.rows) {
    CommandRow out;
    out.id = row.id;
    out.ref = row.parent >= 0 ? tree.rows[static_cast<size_t>(row.parent)].id
                              : tree.modes[static_cast<size_t>(row.mode)].id;
    out.command = row.word;
    out.help = text_if(row.has_help, row.help);
    out.special = text_if(row.is_argument(), row.kind);
    out.toptext = text_if(row.has_template, row.toptext);
    out.behaviour = text_if(row.real_router_only, std::string(kRealRouterRow));
    tables.levels[static_cast<size_t>(row.depth)].push_back(std::move(out));
  }
  return tables;
}

}  // namespace zorva
