#pragma once
// The outcomes of the engine's calls, as values: what a program shows for each is its own choice.

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
