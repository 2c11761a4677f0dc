#pragma once
// The status-line texts of the engine's outcomes (engine/status.h), as the dialog shows them.
#include "engine/status.h"

// The status-line text of each outcome, e.g. "HEX Changed OK." or "Idle." for cleared.
const char* status_text(conversion_status status);
// "Base Number Changed." / "Invalid Base Number, should be [2,60] or 64."
const char* status_text(radix_outcome outcome);
// "Not enough chars for custom base table ..." / "... has repeated chars ..." / "... updated ..."
const char* status_text(alphabet_outcome outcome);
