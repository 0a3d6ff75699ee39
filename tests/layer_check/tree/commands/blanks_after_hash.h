#  include "network/network.h"
