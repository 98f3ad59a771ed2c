#include "low/tests/Helper.h"
#include "high/High.h"
