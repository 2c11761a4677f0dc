// The one file outside the library that may include it.
#include "mp/mp.h"
