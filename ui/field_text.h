#pragma once
// Writing the three data fields (IDC_HEX, IDC_ASCII, IDC_BASEX) at a cost that stays linear in Wine.
//
// Wine's wrapping multi-line edit lays out each wrapped line by analysing the whole rest of its
// paragraph, so one edit costs time that grows with the square of the unbroken text after it; for a
// run of digits the analysis is itself quadratic (the bidi rule for numbers looks back over the run for
// every digit) and the cost grows with the cube. Every text change also runs the word-break analysis
// over the whole text once. Measured under Wine 8.0 (64-bit), null driver, in a field of the BASE(X)
// field's styles, size and font, with its visible style off (see write_pieces): one WM_SETTEXT, then the
// text appended in pieces of 256 / 512 / 1024 / 2048 characters:
//
//   78,911 decimal digits    minutes        0.26 / 0.37 / 0.57 / 1.50 s   (384: 0.26 s)
//   262,136 binary digits    hours          3.8  / 2.1  / 4.1  / -    s   (384: 2.7 s)
//   65,534 hex digits        11.0 s         1.00 / 0.47 / 0.28 / 0.22 s
//   43,690 Base64 digits     4.0 s          0.25 / 0.21 / 0.16 / -    s
//   32,767 bytes of text     1.3 s          0.16 / 0.12 / 0.10 / -    s
//
// Small pieces keep the cubic layout of digit runs short; large ones save the whole-text word-break
// analysis that every piece costs, which weighs more the longer the text. So texts that hold a long run
// of digits go in pieces of DIGIT_RUN_PIECE characters (LONG_DIGIT_RUN_PIECE beyond LONG_TEXT
// characters), all others in pieces of PLAIN_PIECE.
//
// The final text is the same either way; for texts of digits only the line breaks are the same too,
// while Wine itself may wrap other texts a column earlier or later depending on how much text followed
// each line when it was laid out.
#include <cstddef>
#include <string>

#include "platform/win32.h"
#include "ui/quiet_field.h"

// Piece sizes of the writes above, in characters.
constexpr size_t DIGIT_RUN_PIECE = 384;
constexpr size_t LONG_DIGIT_RUN_PIECE = 512;
constexpr size_t LONG_TEXT = 131072;
constexpr size_t PLAIN_PIECE = 2048;
static_assert(DIGIT_RUN_PIECE <= LONG_DIGIT_RUN_PIECE && DIGIT_RUN_PIECE <= PLAIN_PIECE,
              "the smallest piece decides when an edit may be left to the control unread");

// The piece size for writing these characters: when they hold a run of decimal digits longer than
// DIGIT_RUN_PIECE, that size (LONG_DIGIT_RUN_PIECE for more than LONG_TEXT characters), else PLAIN_PIECE.
size_t field_piece_size(const char* text, size_t length);

// The whole text of a field.
std::string field_text(HWND field);

// Leaves the data field exactly as SetDlgItemTextA would: the text up to its first NUL, the caret at
// 0 and scrolled to the top, nothing to undo, not modified, its text limit and read-only state kept,
// and no notification reaching the dialog. Only what differs from the field's current text is
// written: the common head stays, a short common tail stays, the rest goes in pieces.
void set_field_text(HWND dialog, int id, const char* text);

// Replaces the characters [from, to) of the field with text[0, length) in pieces, while the dialog
// sees none of the field's notifications. Honours the field's text limit as one EM_REPLACESEL does;
// undoable says whether the change goes into the undo buffer (Wine joins the pieces into one undo
// step). Returns the notification codes the field raised, each once, in the order one EM_REPLACESEL
// raises them: EN_MAXTEXT first when the limit cut the text, then the others as they first came.
raised_codes replace_field_range(HWND dialog, HWND field, size_t from, size_t to, const char* text, size_t length,
                                 bool undoable);
