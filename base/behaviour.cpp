#include "base/behaviour.h"

namespace zorva {

std::string_view behaviour_name(Behaviour b) {
  return b == Behaviour::RealRouter ? "real-router" : "classic";
}

std::optional<Behaviour> behaviour_named(std::string_view name) {
  if (name == "classic") return Behaviour::Classic;
  if (name == "real-router") return Behaviour::RealRouter;
  return std::nullopt;
}

}  // namespace zorva
