#include "ui/control_lists.h"

#include "engine/limits.h"
#include "ui/resource.h"

const source_choice source_choices[3] = {
    {IDC_HEX, IDC_SRC_HEX, "CHECKED HEX."},
    {IDC_ASCII, IDC_SRC_ASCII, "CHECKED ASCII."},
    {IDC_BASEX, IDC_SRC_BASEX, "CHECKED Base(X)."},
};

const int data_fields[3] = {IDC_HEX, IDC_ASCII, IDC_BASEX};

const int pow2_controls[8] = {
    IDC_REV, IDC_H2BIN, IDC_BIN2H, IDC_C2BIN, IDC_BYTE_UNIT_LABEL, IDC_BYTE_UNIT, IDC_POW2_LABEL, IDC_POW2_BITS,
};

const int basex_controls[9] = {
    IDC_SRC_HEX,           IDC_SRC_ASCII,        IDC_SRC_BASEX,   IDC_DEFAULT_TABLE_TEXT, IDC_CUSTOM_TABLE_TEXT,
    IDC_USE_DEFAULT_TABLE, IDC_USE_CUSTOM_TABLE, IDC_BASE_NUMBER, IDC_BASE_RANGE_LABEL,
};

const char* const mode_items[2] = {"BaseX", "Base(2^n)"};

// The BASE(X) limit matches the HEX one.
const text_limit data_field_limits[3] = {
    {IDC_HEX, MAX_HEX_DIGITS},
    {IDC_ASCII, MAX_DATA_BYTES},
    {IDC_BASEX, MAX_HEX_DIGITS},
};
