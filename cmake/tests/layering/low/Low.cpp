#include "low/Low.h"
#include "detail/Table.h"
#include <QString>
#include "high/High.h"
#include "low/tests/Helper.h"
#include <vector>
