#pragma once
// Reaches past the radix converter into the library.
#include "mp/mp.h"
