// Includes of a layer below.
#include "state/router_record.h"
