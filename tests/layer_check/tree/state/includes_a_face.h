#include "ui/frm_main.h"
