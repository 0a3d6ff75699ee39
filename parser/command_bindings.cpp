#include "parser/command_bindings.h"

#include <algorithm>

namespace zorva {

std::string binding_key(const ParsedCommand& pc, const SpecialWords& special, int depth) {
  std::string key = pc.Modes.empty() ? std::string() : pc.Modes.back();
  for (int d = 1; d <= depth && d <= kMaxDepth; ++d) {
    key += ' ';
    key += d <= kSpecialSlots && is_set(special[static_cast<size_t>(d)])
               ? std::string_view("{}")
               : std::string_view(pc.FullWords[static_cast<size_t>(d)]);
  }
  return key;
}

CommandHandler bound_handler(std::span<const CommandHandler> handlers, std::string_view key,
                             Behaviour behaviour) {
  const std::span<const CommandBinding> all = command_bindings();
  const auto it =
      std::lower_bound(all.begin(), all.end(), key,
                       [](const CommandBinding& b, std::string_view k) { return b.key < k; });
  if (it == all.end() || it->key != key) return nullptr;
  const int index = behaviour == Behaviour::RealRouter ? it->real_router : it->classic;
  if (index < 0 || static_cast<std::size_t>(index) >= handlers.size()) return nullptr;
  return handlers[static_cast<std::size_t>(index)];
}

}  // namespace zorva
