#include "cli/value_reader.h"

#include "cli/form_codec.h"
#include "cli/limits.h"
#include "cli/text_chars.h"
#include "cli/transcode.h"

namespace {

class raw_reader : public value_reader {
public:
    bool put(const char* text, size_t length, std::string& bytes) override
    {
        bytes.append(text, length);
        return true;
    }
    bool finish(std::string&) override { return true; }
    void restart(const text_position&) override {}
};

class byte_text_reader : public value_reader {
public:
    explicit byte_text_reader(const cli_options& options)
        : decoder_(codec_of(options.from), options.from_alphabet, options.ignore_garbage,
                   options.from.kind == form_kind::hex ? odd_hex::first_digit_alone : odd_hex::refused, MAX_CLI_BYTES)
    {
    }
    bool put(const char* text, size_t length, std::string& bytes) override
    {
        return decoder_.put(text, length, bytes) || fail(true);
    }
    bool finish(std::string& bytes) override { return decoder_.finish(bytes) || fail(false); }
    void restart(const text_position& at) override { decoder_.restart(at); }

private:
    bool fail(bool positioned)
    {
        refuse(decoder_.problem(), positioned);
        return false;
    }

    byte_decoder decoder_;
};

class number_reader : public value_reader {
public:
    explicit number_reader(const cli_options& options)
        : form_(options.from), alphabet_(options.from_alphabet), keep_zeros_(keeps_zeros(options.from, options)),
          scan_(make_number_scanner(alphabet_, form_.radix, keep_zeros_, options.ignore_garbage, MAX_CLI_BYTES))
    {
    }
    bool put(const char* text, size_t length, std::string&) override
    {
        if (scan_.feed(text, length))
            return true;
        if (scan_.state() == scan_state::too_many_digits) {
            refuse(too_big_message(), false);
            return false;
        }
        refuse(describe_position(scan_.bad_position()) + ": " + describe_char(scan_.bad_char()) + " is not " +
                   (form_.kind == form_kind::base58 ? std::string("a Base58 digit")
                                                    : "a digit of radix " + std::to_string(form_.radix)),
               true);
        return false;
    }
    bool finish(std::string& bytes) override
    {
        decoded_data data = decode_number(form_.radix, scan_, keep_zeros_, MAX_CLI_BYTES);
        switch (data.status) {
        case decode_status::ok: bytes.append(data.bytes.begin(), data.bytes.end()); return true;
        case decode_status::too_big: refuse(too_big_message(), false); break;
        case decode_status::library_error: refuse("the conversion failed in the library", false); break;
        }
        return false;
    }
    void restart(const text_position& at) override { scan_.restart(at); }

private:
    data_form form_;
    digit_alphabet alphabet_;
    bool keep_zeros_;
    input_scanner scan_;
};

}  // namespace

std::unique_ptr<value_reader> make_value_reader(const cli_options& options)
{
    if (is_number(options.from))
        return std::make_unique<number_reader>(options);
    if (is_byte_text(options.from))
        return std::make_unique<byte_text_reader>(options);
    return std::make_unique<raw_reader>();
}

std::string too_big_message()
{
    return "the input holds more than " + std::to_string(MAX_CLI_BYTES) + " bytes of data, the limit";
}
