#include "script/script_runner.h"
