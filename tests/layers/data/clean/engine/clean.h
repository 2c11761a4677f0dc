#pragma once
// Shown by the dialog (ui/) through the platform/ layer; neither is included here.
#include "mp/mp.h"
#include "engine/uidata.h"
