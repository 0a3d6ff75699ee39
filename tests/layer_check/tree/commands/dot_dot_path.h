#include "../network/network.h"
