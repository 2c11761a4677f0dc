#include "cli/forms.h"

#include "cli/text_chars.h"

namespace {

struct named_form {
    const char* name;
    data_form form;
};

// The forms with a name, in the order messages and --help list them.
constexpr named_form NAMED_FORMS[] = {
    {"raw", {form_kind::raw, 256}},
    {"hex", {form_kind::hex, 16}},
    {"base16", {form_kind::base16, 16}},
    {"base32", {form_kind::base32, 32}},
    {"base32hex", {form_kind::base32hex, 32}},
    {"base64", {form_kind::base64, 64}},
    {"base64url", {form_kind::base64url, 64}},
    {"base2msbf", {form_kind::base2msbf, 2}},
    {"z85", {form_kind::z85, 85}},
    {"base58", {form_kind::base58, 58}},
};

}  // namespace

std::optional<data_form> parse_form(const std::string& name)
{
    for (const named_form& f : NAMED_FORMS)
        if (name == f.name)
            return f.form;
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
    for (const named_form& f : NAMED_FORMS)
        if (form.kind == f.form.kind)
            return f.name;
    return std::to_string(form.radix);
}

std::string form_names()
{
    std::string names;
    for (const named_form& f : NAMED_FORMS)
        names += std::string(f.name) + ", ";
    return names + "or a radix " + std::to_string(MIN_RADIX) + " to " + std::to_string(MAX_RADIX);
}

bool takes_alphabet(const data_form& form)
{
    return form.kind == form_kind::radix || form.kind == form_kind::base58 || form.kind == form_kind::base64;
}

bool is_number(const data_form& form)
{
    return form.kind == form_kind::radix || form.kind == form_kind::base58;
}

bool is_byte_text(const data_form& form)
{
    return form.kind != form_kind::raw && !is_number(form);
}

bool pads(const data_form& form)
{
    switch (form.kind) {
    case form_kind::base32:
    case form_kind::base32hex:
    case form_kind::base64:
    case form_kind::base64url: return true;
    default: return false;
    }
}

bool has_lower_case(const data_form& form)
{
    return form.kind == form_kind::hex || form.kind == form_kind::base16 ||
           (form.kind == form_kind::radix && form.radix <= MAX_CASELESS_RADIX);
}
