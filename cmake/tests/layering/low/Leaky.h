#pragma once
#include "low/detail/Table.h"
