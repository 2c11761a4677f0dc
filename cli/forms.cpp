#include "cli/forms.h"

#include "cli/text_chars.h"

std::optional<data_form> parse_form(const std::string& name)
{
    if (name == "raw")
        return data_form{form_kind::raw, 256};
    if (name == "hex")
        return data_form{form_kind::hex, 16};
    if (name == "base64")
        return data_form{form_kind::base64, 64};
    if (!name.empty() && name[0] == '0')
        return std::nullopt;
    std::optional<uint32_t> radix = parse_decimal(name, 2);
    if (!radix)
        return std::nullopt;
    if (*radix < MIN_RADIX || *radix > MAX_RADIX)
        return std::nullopt;
    return data_form{form_kind::radix, *radix};
}

std::string form_name(const data_form& form)
{
    switch (form.kind) {
    case form_kind::raw: return "raw";
    case form_kind::hex: return "hex";
    case form_kind::base64: return "base64";
    case form_kind::radix: break;
    }
    return std::to_string(form.radix);
}

bool takes_alphabet(const data_form& form)
{
    return form.kind == form_kind::radix || form.kind == form_kind::base64;
}
