#include "script/script_runner.h"
#include "lab/lab_file.h"
