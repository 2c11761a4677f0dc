#pragma once
// The outcomes of the engine's calls, each with the status-line text the program shows for it.
#include <cstdint>

// What one conversion call did.
enum class conversion_status {
    cleared,        // the buffers were emptied: nothing converted
    hex_changed,    // from the HEX text
    ascii_changed,  // from the bytes
    basex_changed,  // from the BASE(X) text
    basex_too_big,  // the BASE(X) value needs more bytes than the capacity: HEX and bytes stay empty
};

// A radix change.
enum class radix_outcome {
    changed,  // the radix is 2-60 or 64 and now in force
    invalid,  // any other: nothing changed
};

// Storing a custom alphabet for the radix in force.
enum class alphabet_outcome {
    not_enough_chars,  // fewer characters than the radix: the alphabet in the slot stays, not complete
    repeated_chars,    // a character occurs twice: the alphabet in the slot stays, not complete
    stored,            // stored and complete
};

// Which alphabet the BASE(X) text is written and read in.
enum class alphabet_choice { default_alphabet, custom_alphabet };

// The status-line text of each outcome, e.g. "HEX Changed OK." or "Idle." for cleared.
const char* status_text(conversion_status status);
// "Base Number Changed." / "Invalid Base Number, should be [2,60] or 64."
const char* status_text(radix_outcome outcome);
// "Not enough chars for custom base table ..." / "... has repeated chars ..." / "... updated ..."
const char* status_text(alphabet_outcome outcome);
