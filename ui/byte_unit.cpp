#include "ui/byte_unit.h"

#include "ui/resource.h"

uint32_t byte_unit_for_bits(uint32_t n)
{
    if (n <= 8)
        return 1;
    if (n <= 16)
        return 2;
    if (n <= 32)
        return 4;
    // In 64 bits, n + 31 cannot wrap; for n up to UINT32_MAX the result is at most 2^29.
    return (uint32_t)(4 * (((uint64_t)n + 31) / 32));
}

void update_byte_unit(HWND dialog)
{
    uint32_t n = GetDlgItemInt(dialog, IDC_POW2_BITS, nullptr, FALSE);
    uint32_t u = GetDlgItemInt(dialog, IDC_BYTE_UNIT, nullptr, FALSE);
    uint32_t unit = byte_unit_for_bits(n);
    if (u != unit)
        SetDlgItemInt(dialog, IDC_BYTE_UNIT, unit, FALSE);
}
