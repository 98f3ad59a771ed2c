#include "High.h"
#include "low/detail/Table.h"
#include <other/Thing.h>
#include "generated/Missing.h"
