#pragma once
// Shown by the dialog (ui/) through the platform/ layer; neither is included here, nor the library
// but through the radix converter.
#include "engine/radix_converter.h"
#include "engine/uidata.h"
