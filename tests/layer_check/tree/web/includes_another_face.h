#include "term/command_line.h"
