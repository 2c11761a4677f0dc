#include "cli/run.h"

#include <cstring>
#include <memory>

#include "cli/help.h"
#include "cli/named_alphabets.h"
#include "cli/options.h"
#include "cli/output_writer.h"
#include "cli/value_reader.h"
#include "cli/value_writer.h"

namespace {

constexpr char PROGRAM[] = "morvane-cli";
constexpr size_t READ_PIECE = 1 << 16;

// The input as messages name it.
std::string input_name(const cli_options& options)
{
    if (!options.from_file)
        return "standard input";
    return options.file.empty() ? "''" : options.file;
}

// One conversion of the whole input: a value, or with --lines one value a line.
class conversion {
public:
    conversion(const cli_options& options, output_writer& out)
        : options_(options), out_(out), reader_(make_value_reader(options)), writer_(make_value_writer(options, out))
    {
    }

    // Converts everything input holds; false when the input was refused (refusal() says why) or
    // failed, or the output failed (the sink says why).
    bool run(byte_source& input)
    {
        std::unique_ptr<char[]> piece(new char[READ_PIECE]);
        out_.begin_value();
        while (const size_t count = input.read(piece.get(), READ_PIECE))
            if (!(options_.lines ? feed_lines(piece.get(), count) : feed(piece.get(), count)))
                return false;
        if (input.failed())
            return false;
        return !options_.lines || line_open_ ? end_value() : true;
    }

    // Why the input was refused; empty when it was not.
    const std::string& refusal() const { return refusal_; }

private:
    // Hands on the text of the current value.
    bool feed(const char* text, size_t length)
    {
        bytes_.clear();
        if (!reader_->put(text, length, bytes_))
            return refuse(reader_->problem(), reader_->problem_has_position());
        return writer_->put(bytes_.data(), bytes_.size()) || refuse(writer_->problem(), false);
    }

    // Hands on a piece of --lines input: each newline ends a value and starts the next.
    bool feed_lines(const char* text, size_t length)
    {
        const char* const end = text + length;
        while (text < end) {
            const char* newline = static_cast<const char*>(std::memchr(text, '\n', static_cast<size_t>(end - text)));
            const char* stop = newline != nullptr ? newline : end;
            if (stop > text && !feed(text, static_cast<size_t>(stop - text)))
                return false;
            line_open_ = newline == nullptr && stop > text;
            offset_ += static_cast<uint64_t>(stop - text);
            if (newline == nullptr)
                break;
            if (!end_value())
                return false;
            ++offset_;
            ++line_;
            reader_->restart({offset_, line_, 1});
            out_.begin_value();
            text = newline + 1;
        }
        return true;
    }

    bool end_value()
    {
        bytes_.clear();
        if (!reader_->finish(bytes_))
            return refuse(reader_->problem(), reader_->problem_has_position());
        return (writer_->put(bytes_.data(), bytes_.size()) && writer_->finish()) || refuse(writer_->problem(), false);
    }

    // Keeps why the current value is refused (a failed output has no problem) and stops.
    bool refuse(const std::string& problem, bool positioned)
    {
        if (!problem.empty())
            refusal_ = options_.lines && !positioned ? "line " + std::to_string(line_) + ": " + problem : problem;
        return false;
    }

    const cli_options& options_;
    output_writer& out_;
    std::unique_ptr<value_reader> reader_;
    std::unique_ptr<value_writer> writer_;
    std::string bytes_;
    std::string refusal_;
    uint64_t offset_ = 0;     // of the next character (--lines)
    uint64_t line_ = 1;       // of the current value (--lines)
    bool line_open_ = false;  // the last line has characters and no newline yet (--lines)
};

// The conversion the options ask for, from input into out; messages for a refused or unreadable input.
exit_status convert(const cli_options& options, byte_source& input, output_writer& out, std::ostream& error)
{
    std::unique_ptr<file_source> file;
    byte_source* source = &input;
    if (options.from_file) {
        std::string reason;
        file = open_file_source(options.file, reason);
        if (!file) {
            error << PROGRAM << ": " << input_name(options) << ": " << reason << '\n';
            return exit_status::failed;
        }
        source = file.get();
    }
    conversion job(options, out);
    if (job.run(*source))
        return exit_status::done;
    if (source->failed()) {
        error << PROGRAM << ": " << input_name(options) << ": " << source->reason() << '\n';
        return exit_status::failed;
    }
    if (!job.refusal().empty()) {
        out.discard_value();
        error << PROGRAM << ": " << (options.from_file ? input_name(options) + ": " : "") << job.refusal() << '\n';
    }
    return exit_status::failed;
}

// The text an action other than a conversion prints.
std::string action_text(cli_action action)
{
    switch (action) {
    case cli_action::help: return help_text();
    case cli_action::version: return version_text();
    case cli_action::list_alphabets: return alphabet_list();
    case cli_action::convert: break;
    }
    return "";
}

// What the options ask for, into out.
exit_status perform(const cli_options& options, byte_source& input, output_writer& out, std::ostream& error)
{
    if (options.action == cli_action::convert)
        return convert(options, input, out, error);
    const std::string text = action_text(options.action);
    return out.put_bytes(text.data(), text.size()) ? exit_status::done : exit_status::failed;
}

}  // namespace

exit_status run(const std::vector<std::string>& args, byte_source& input, byte_sink& output, std::ostream& error)
{
    parsed_command command = parse_command(args);
    if (!command.error.empty()) {
        error << PROGRAM << ": " << command.error << "\nTry '" << PROGRAM << " --help' for more information.\n";
        return exit_status::usage_error;
    }
    output_writer out(output, command.options.wrap_columns);
    exit_status status = perform(command.options, input, out, error);
    if (out.flush() && !output.failed())
        return status;
    // A reader that has gone away ends the command quietly, as it ends other filters.
    if (!output.broken_pipe())
        error << PROGRAM << ": write error: " << output.reason() << '\n';
    return exit_status::failed;
}

exit_status run(const std::vector<std::string>& args, std::istream& input, std::ostream& output, std::ostream& error)
{
    istream_source source(input);
    ostream_sink sink(output);
    return run(args, source, sink, error);
}
