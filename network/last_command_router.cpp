#include "network/last_command_router.h"

#include "state/ospf_router_id.h"

namespace zorva {

void LastCommandRouter::remember(const RouterRecord& record) {
  ospf_router_id_ = ospf_router_id_of(record);
}

}  // namespace zorva
