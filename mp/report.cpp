// Error report and routine trace: the names of routines and errors, printing to standard output.
#include "mp/report.h"

#include <cstdio>
#include <cstdlib>

#include "mp/number.h"

namespace {

struct routine_table {
    const char* rows[ROUTINE_COUNT];
};

constexpr routine_table make_routine_names()
{
    routine_table t{};
    for (const char*& row : t.rows)
        row = "";
    t.rows[0] = "your program";
    t.rows[ROUTINE_NORMALISE] = "normalise";
    t.rows[ROUTINE_DIVIDE] = "divide";
    t.rows[ROUTINE_CBASE] = "cbase";
    t.rows[ROUTINE_MPVAR] = "mpvar";
    t.rows[ROUTINE_PUTDIG] = "putdig";
    t.rows[ROUTINE_ADD] = "add";
    t.rows[ROUTINE_MPSYS] = "mpsys";
    t.rows[ROUTINE_FPACK] = "fpack";
    t.rows[ROUTINE_MP_SHIFT] = "mp_shift";
    t.rows[ROUTINE_OTSTR] = "otstr";
    t.rows[ROUTINE_INSTR] = "instr";
    t.rows[ROUTINE_COTSTR] = "cotstr";
    t.rows[ROUTINE_CINSTR] = "cinstr";
    t.rows[ROUTINE_SET_IO_BUFFER_SIZE] = "set_io_buffer_size";
    t.rows[ROUTINE_CINBYTES] = "cinbytes";
    t.rows[ROUTINE_COTBYTES] = "cotbytes";
    t.rows[ROUTINE_CINDIGITS] = "cindigits";
    t.rows[ROUTINE_COTDIGITS] = "cotdigits";
    return t;
}

constexpr routine_table routine_names = make_routine_names();

// Indexed by mp_error: the text of each code at its value.
const char* const error_messages[MP_ERROR_LAST + 1] = {
    "",
    "Number base too big for representation\n",
    "Division by zero attempted\n",
    "Overflow - Number too big\n",
    "Internal result is negative\n",
    "Input format error\n",
    "Illegal number base\n",
    "Illegal parameter usage\n",
    "Out of space\n",
    "Even root of a negative number\n",
    "Raising integer to negative power\n",
    "Attempt to take illegal root\n",
    "Integer operation attempted on Flash number\n",
    "Flash overflow\n",
    "Numbers too big\n",
    "Log of a non-positive number\n",
    "Flash to double conversion failure\n",
    "I/O buffer overflow\n",
    "MPLIB not initialised - no call to mpsys()\n",
    "Illegal modulus \n",
    "No modulus defined\n",
    "Exponent too big\n",
    "Unsupported Feature - check mpdef.h\n",
    "Specified double length type isn't double length\n",
    "Specified basis is NOT irreducible\n",
    "Unable to control Floating-point rounding\n",
    "Base must be binary (MP_ALWAYS_BINARY defined in mpdef.h ?)\n",
    "No irreducible basis defined\n",
    "Composite modulus\n",
};

// Name of the routine recorded at a depth of the trace; "???" past the stored depth.
const char* traced_name(const mp_context* ctx, int32_t depth)
{
    if (depth >= TRACE_DEPTH)
        return "???";
    return routine_name(ctx ? ctx->call_trace[depth] : 0);
}

}  // namespace

const char* routine_name(int32_t code)
{
    if (code < 0 || code >= ROUTINE_COUNT)
        return "";
    return routine_names.rows[code];
}

const char* error_message(int32_t code)
{
    if (code < 1 || code > MP_ERROR_LAST)
        return "Undefined error\n";
    return error_messages[code];
}

void print_text(const char* text)
{
    for (const char* p = text; *p != '\0'; ++p)
        std::putchar(*p);
}

void print_trace_entry()
{
    const mp_context* ctx = current_context();
    for (int32_t i = 0; i < ctx->call_depth; ++i)
        std::putchar('-');
    std::putchar('>');
    print_text(routine_name(ctx->call_trace[ctx->call_depth]));
    std::putchar('\n');
}

void trace_enter(int32_t code)
{
    mp_context* ctx = current_context();
    ctx->call_depth++;
    if (ctx->call_depth < TRACE_DEPTH) {
        ctx->call_trace[ctx->call_depth] = code;
        if (ctx->trace_enabled)
            print_trace_entry();
    }
}

void trace_leave()
{
    current_context()->call_depth--;
}

mp_context* trace_scope::enter_if_ready(int32_t code)
{
    mp_context* ctx = current_context();
    if (ctx == nullptr) {
        report_error(MP_ERROR_NOT_INITIALISED);
        return nullptr;
    }
    if (ctx->error_number)
        return nullptr;
    trace_enter(code);
    entered_ = true;
    return ctx;
}

mp_context* trace_scope::enter_text_conversion(int32_t code)
{
    mp_context* ctx = enter_if_ready(code);
    if (ctx == nullptr)
        return nullptr;
    if (check_packing_radix(static_cast<uint32_t>(ctx->io_base)))
        return ctx;
    trace_leave();
    entered_ = false;
    return nullptr;
}

bool check_text_radix(mp_context* ctx)
{
    if (ctx->digit_base == 0 || ctx->digit_base > 256)
        report_error(MP_ERROR_BASE_TOO_BIG);
    if (!ctx->instance_ready)
        report_error(MP_ERROR_NOT_INITIALISED);
    return ctx->error_number == 0;
}

void report_error(int32_t code)
{
    mp_context* ctx = current_context();
    if (ctx != nullptr && ctx->errors_return) {
        ctx->error_number = code;
        return;
    }
    const int32_t depth = ctx ? ctx->call_depth : 0;
    print_text("\nMPLIB error from routine ");
    print_text(traced_name(ctx, depth));
    print_text("\n");
    for (int32_t i = depth - 1; i >= 0; --i) {
        print_text("              called from ");
        print_text(traced_name(ctx, i));
        print_text("\n");
    }
    print_text(error_message(code));
    std::fflush(stdout);
    std::exit(1);  // a failure must not exit with the status of success
}
