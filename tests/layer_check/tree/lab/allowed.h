#include "base/types.h"
#include <vector>
#include <nlohmann/json.hpp>
#include "../../elsewhere/x.h"
#include "lab_session.h"
