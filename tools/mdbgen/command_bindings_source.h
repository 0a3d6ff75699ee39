// The third output of zorva-mdbgen: which handler runs each command. A row of the tree names its
// handler ("=> NAME"), and every end ('<cr>') at or below the row runs it unless a row nearer the
// end names another. The names are those of the handler list (commands/command_handlers.def); the
// generator refuses a name the list does not hold and a listed handler that no end runs. The
// bindings are written as C++ that parser/command_bindings.h reads.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/mdbgen/command_tree_source.h"

namespace zorva {

// The handler names of the list, in list order: "ZORVA_HANDLER(name, function)" a line; blank
// lines and "//" comments are passed over, anything else is a mistake.
struct HandlerName {
  std::string name;
  int line = 0;  // where the list names it
};
std::vector<HandlerName> read_handler_names(std::string_view text, const std::string& file,
                                            std::vector<SourceError>& errors);

// A row naming a handler the list does not hold; a listed handler that no end of the tree runs.
void check_handlers(const CommandTree& tree, const std::vector<HandlerName>& names,
                    const std::string& tree_file, const std::string& list_file,
                    std::vector<SourceError>& errors);

// The handler a resolved path runs, per behaviour: an index into the list, -1 for none. The key is
// the mode the line is typed in and the path's words, keywords as the tree spells them and every
// argument as "{}", joined by blanks ("globmode ip route {} {} {}"). A path that ends where '<cr>'
// stands runs that end's handler; one the parser stops at before its end (an argument at word 2
// or 3, a real-router line begun with "no") runs the handler all ends below it share.
struct Binding {
  std::string key;
  int classic = -1;
  int real_router = -1;
};
std::vector<Binding> command_bindings(const CommandTree& tree,
                                      const std::vector<HandlerName>& names);

// The C++ source of the bindings, in key order.
std::string command_bindings_source(const std::vector<Binding>& bindings);

}  // namespace zorva
