#include <network/network.h>
