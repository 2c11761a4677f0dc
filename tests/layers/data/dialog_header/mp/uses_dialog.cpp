#include "mp/mp.h"
#include "ui/dialog_proc.h"
