#pragma once
// The byte codec that writes and reads each byte form.
#include "cli/byte_codec.h"
#include "cli/forms.h"

// The codec of a byte form (is_byte_text): hex and base16 base16, base32hex base32, base64url base64.
inline byte_codec_kind codec_of(const data_form& form)
{
    switch (form.kind) {
    case form_kind::base32:
    case form_kind::base32hex: return byte_codec_kind::base32;
    case form_kind::base64:
    case form_kind::base64url: return byte_codec_kind::base64;
    case form_kind::base2msbf: return byte_codec_kind::base2msbf;
    case form_kind::z85: return byte_codec_kind::z85;
    default: return byte_codec_kind::base16;
    }
}
