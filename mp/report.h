// Error reporting and the routine trace: the names of routines and errors, the report printed before the
// process ends, and the trace of the routines entered.
#pragma once

#include <cstdint>

#include "mp/mp.h"

// Routine codes of the trace; routine_names gives their names.
enum routine_code : int32_t {
    ROUTINE_NORMALISE = 4,
    ROUTINE_DIVIDE = 6,
    ROUTINE_CBASE = 13,
    ROUTINE_MPVAR = 23,
    ROUTINE_PUTDIG = 26,
    ROUTINE_ADD = 27,
    ROUTINE_MPSYS = 29,
    ROUTINE_FPACK = 31,
    ROUTINE_MP_SHIFT = 33,
    ROUTINE_OTSTR = 75,
    ROUTINE_INSTR = 76,
    ROUTINE_COTSTR = 77,
    ROUTINE_CINSTR = 78,
    ROUTINE_SET_IO_BUFFER_SIZE = 142,
    ROUTINE_CINBYTES = 160,
    ROUTINE_COTBYTES = 161,
    ROUTINE_CINDIGITS = 162,
    ROUTINE_COTDIGITS = 163,
};
constexpr int32_t ROUTINE_COUNT = 173;
constexpr int32_t TRACE_DEPTH = 24;

// Name of a routine code for the trace ("your program" for 0, "" for codes this library never pushes).
const char* routine_name(int32_t code);
// Report text of an error code, ending in a newline; "Undefined error\n" outside 1-28.
const char* error_message(int32_t code);

// With errors_return set, records code in error_number; otherwise prints the error report with the
// routine trace on standard output and ends the process with status 1.
void report_error(int32_t code);
// Writes a NUL-terminated string to standard output one character at a time.
void print_text(const char* text);
// Writes the trace line of the routine just entered: one '-' per level, '>', the name.
void print_trace_entry();
// Enters the trace with a routine code (stored while the depth is below 24, printed when tracing).
void trace_enter(int32_t code);
// Leaves the trace entered last.
void trace_leave();

// The trace of one traced routine: entered once, left when the routine returns by whatever path.
class trace_scope {
public:
    // Enters the trace with a routine code.
    explicit trace_scope(int32_t code) : entered_(true) { trace_enter(code); }
    // A scope not entered yet: one of the enter_ routines below may enter it.
    trace_scope() = default;
    ~trace_scope()
    {
        if (entered_)
            trace_leave();
    }
    trace_scope(const trace_scope&) = delete;
    trace_scope& operator=(const trace_scope&) = delete;

    // Entry of a traced routine that may be called before mpsys: null when it must return at once (no
    // instance: error 18 reported; an error already recorded: not entered); else the instance, entered.
    mp_context* enter_if_ready(int32_t code);
    // Entry of cinstr and cotstr: as enter_if_ready, and also null (after error 6) when io_base cannot be
    // the radix of a packing.
    mp_context* enter_text_conversion(int32_t code);

private:
    bool entered_ = false;
};

// Error 1 when digit_base has no text form (0 or above 256), error 18 without scratch numbers; true
// when no error is recorded afterwards. For the routines that read and write text.
bool check_text_radix(mp_context* ctx);
