#include "mp/mp.h"
#include "ui/dialog.h"
