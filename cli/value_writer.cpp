#include "cli/value_writer.h"

#include <vector>

#include "cli/form_codec.h"
#include "cli/limits.h"
#include "cli/transcode.h"
#include "cli/value_reader.h"

namespace {

class raw_writer : public value_writer {
public:
    raw_writer(output_writer& out, bool lines) : out_(out), lines_(lines) {}
    bool put(const char* bytes, size_t count) override { return out_.put_bytes(bytes, count); }
    bool finish() override { return !lines_ || out_.end_line(); }

private:
    output_writer& out_;
    bool lines_;
};

class byte_text_writer : public value_writer {
public:
    byte_text_writer(const cli_options& options, output_writer& out)
        : out_(out), encoder_(codec_of(options.to), std::string(options.to_alphabet.digits()), options.padding && pads(options.to))
    {
    }
    bool put(const char* bytes, size_t count) override
    {
        text_.clear();
        encoder_.put(reinterpret_cast<const uint8_t*>(bytes), count, text_);
        return out_.put_text(text_.data(), text_.size());
    }
    bool finish() override
    {
        text_.clear();
        if (!encoder_.finish(text_)) {
            problem_ = encoder_.problem();
            return false;
        }
        return out_.put_text(text_.data(), text_.size()) && out_.end_line();
    }

private:
    output_writer& out_;
    byte_encoder encoder_;
    std::string text_;
};

class number_writer : public value_writer {
public:
    number_writer(const cli_options& options, output_writer& out)
        : out_(out), radix_(options.to.radix), digits_(options.to_alphabet.digits()),
          keep_zeros_(keeps_zeros(options.to, options))
    {
    }
    bool put(const char* bytes, size_t count) override
    {
        if (bytes_.size() + count > MAX_CLI_BYTES) {
            problem_ = too_big_message();
            return false;
        }
        bytes_.insert(bytes_.end(), bytes, bytes + count);
        return true;
    }
    bool finish() override
    {
        std::optional<std::string> values = encode_number(radix_, bytes_, keep_zeros_);
        bytes_.clear();
        if (!values) {
            problem_ = "the conversion failed in the library";
            return false;
        }
        for (char& c : *values)
            c = digits_[static_cast<uint8_t>(c)];
        return out_.put_text(values->data(), values->size()) && out_.end_line();
    }

private:
    output_writer& out_;
    uint32_t radix_;
    std::string digits_;
    bool keep_zeros_;
    std::vector<uint8_t> bytes_;
};

}  // namespace

std::unique_ptr<value_writer> make_value_writer(const cli_options& options, output_writer& out)
{
    if (is_number(options.to))
        return std::make_unique<number_writer>(options, out);
    if (is_byte_text(options.to))
        return std::make_unique<byte_text_writer>(options, out);
    return std::make_unique<raw_writer>(out, options.lines);
}
