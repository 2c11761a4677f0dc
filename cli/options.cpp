#include "cli/options.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "cli/named_alphabets.h"
#include "cli/option_table.h"
#include "cli/text_chars.h"

namespace {

// The largest --wrap value: wider lines are one line for any data the command takes.
constexpr uint32_t MAX_WRAP_COLUMNS = 100000000;

// The options whose values name the alphabets, as given.
struct alphabet_requests {
    std::optional<std::string> both, from, to;
};

std::optional<uint32_t> parse_columns(const std::string& text)
{
    std::optional<uint32_t> value = parse_decimal(text, 9);
    if (!value || *value > MAX_WRAP_COLUMNS)
        return std::nullopt;
    return value;
}

std::string side_name(const char* option, const data_form& form)
{
    return std::string(option) + " " + form_name(form);
}

// Letters a word may differ from a name by and still be taken for a mistyped name.
constexpr size_t NAME_TYPOS = 2;

// True for a value that reads as a mistyped name rather than as the digits of radix: a word (letters,
// digits, '-', at least one letter) of another length than radix, a few letters from a name.
bool looks_like_name(const std::string& value, uint32_t radix)
{
    if (value.size() == radix ||
        std::none_of(value.begin(), value.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
        return false;
    for (char c : value)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-')
            return false;
    return nearest_alphabet_name(value).distance <= NAME_TYPOS;
}

std::string unknown_alphabet(const std::string& value)
{
    return "unknown alphabet '" + value + "' (did you mean '" + nearest_alphabet_name(value).name +
           "'? --list-alphabets prints the names)";
}

// The alphabet that value (a name or the digits) gives the side, or the reason it cannot.
std::string alphabet_for_side(const std::string& value, const data_form& form, const char* side, digit_alphabet& out)
{
    if (const named_alphabet* named = find_named_alphabet(value)) {
        if (named->radix != form.radix)
            return "the alphabet " + value + " has " + std::to_string(named->radix) + " digits; " +
                   side_name(side, form) + " needs " + std::to_string(form.radix);
        out = make_alphabet(named->digits, named->aliases);
        return "";
    }
    std::string problem = alphabet_problem(value, form.radix);
    if (!problem.empty() && looks_like_name(value, form.radix))
        return unknown_alphabet(value);
    if (!problem.empty())
        return problem + " (" + side_name(side, form) + ")";
    out = make_alphabet(value);
    return "";
}

// Digits of the alphabet that value names or spells.
size_t alphabet_size(const std::string& value)
{
    const named_alphabet* named = find_named_alphabet(value);
    return named ? named->radix : value.size();
}

// Sets the alphabets of both sides from the requests; the reason when they do not fit.
std::string resolve_alphabets(const alphabet_requests& requests, cli_options& options)
{
    options.from_alphabet = default_alphabet(options.from);
    options.to_alphabet = default_alphabet(options.to);
    struct side {
        const char* option;
        const char* alphabet_option;
        const data_form& form;
        const std::optional<std::string>& own;
        digit_alphabet& alphabet;
    } sides[] = {{"--from", "--from-alphabet", options.from, requests.from, options.from_alphabet},
                 {"--to", "--to-alphabet", options.to, requests.to, options.to_alphabet}};
    for (side& s : sides) {
        if (!s.own)
            continue;
        if (!takes_alphabet(s.form))
            return std::string(s.alphabet_option) + ": " + side_name(s.option, s.form) + " takes no alphabet";
        std::string problem = alphabet_for_side(*s.own, s.form, s.option, s.alphabet);
        if (!problem.empty())
            return std::string(s.alphabet_option) + ": " + problem;
    }
    if (!requests.both)
        return "";
    std::vector<side*> open;  // sides that take an alphabet and have none of their own
    for (side& s : sides)
        if (takes_alphabet(s.form) && !s.own)
            open.push_back(&s);
    if (open.empty())
        return "--alphabet: no side takes it (" + side_name("--from", options.from) + ", " +
               side_name("--to", options.to) + ")";
    const std::string& value = *requests.both;
    bool applied = false;
    for (side* s : open) {
        if (alphabet_size(value) != s->form.radix && open.size() > 1)
            continue;
        std::string problem = alphabet_for_side(value, s->form, s->option, s->alphabet);
        if (!problem.empty())
            return "--alphabet: " + problem;
        applied = true;
    }
    if (applied)
        return "";
    // Fits neither side: a repeated character or a blank is still named.
    if (find_named_alphabet(value) == nullptr && looks_like_name(value, 0))
        return "--alphabet: " + unknown_alphabet(value);
    if (find_named_alphabet(value) == nullptr && !alphabet_problem(value, value.size()).empty())
        return "--alphabet: " + alphabet_problem(value, value.size());
    return "--alphabet: it has " + std::to_string(alphabet_size(value)) + " digits; neither " +
           side_name("--from", options.from) + " nor " + side_name("--to", options.to) + " has as many";
}

// Sets what needs both forms (the alphabets, and the output in lower case when lower); the reason when
// an option does not fit its side (--wrap, --no-padding, --lower that would change nothing), or when
// padding would be written in an alphabet that has the padding character as a digit.
std::string resolve_sides(const alphabet_requests& alphabets, bool lower, cli_options& options)
{
    if (options.to.kind == form_kind::raw && options.wrap_columns != 0)
        return "--wrap: raw output is the bytes themselves and has no lines";
    if (!options.padding && !pads(options.to))
        return "--no-padding: " + side_name("--to", options.to) + " has no padding";
    std::string problem = resolve_alphabets(alphabets, options);
    if (!problem.empty())
        return problem;
    // A digit that is also the padding character would make the padded text read back otherwise.
    if (options.padding && pads(options.to) && options.to_alphabet[PAD_CHAR] != NOT_A_DIGIT)
        return "--no-padding is needed: the alphabet of " + side_name("--to", options.to) + " holds " +
               describe_char(PAD_CHAR) + ", its padding character";
    if (!lower)
        return problem;
    if (!has_lower_case(options.to) || options.to_alphabet.digits() != default_alphabet(options.to).digits())
        return "--lower: " + side_name("--to", options.to) + " has no lower case of its default digits";
    options.to_alphabet = lower_case(options.to_alphabet);
    return "";
}

// Everything the arguments give before their combination is checked.
struct command_reading {
    cli_options options;
    alphabet_requests alphabets;
    std::optional<data_form> from, to;
    bool have_file = false;
    bool lower = false;
};

// An argument that is the FILE rather than an option: "-", an empty one, or one not starting with '-'.
bool is_file_argument(const std::string& arg)
{
    return arg == "-" || arg.empty() || arg[0] != '-';
}

// Takes arg as the FILE ("-": standard input); the reason when a FILE was given already.
std::string take_file(const std::string& arg, command_reading& reading)
{
    cli_options& options = reading.options;
    if (reading.have_file)
        return "more than one FILE: '" + (options.from_file ? options.file : "-") + "' and '" + arg + "'";
    reading.have_file = true;
    options.from_file = arg != "-";
    options.file = arg;
    return "";
}

// One option found in the arguments, with its value ("" for a flag), or the reason it cannot be read.
struct option_reading {
    const option_spec* option = nullptr;
    std::string value;
    std::string error;
};

// Reads the option args[at] names, and its value: after "=" in "--name=value", glued to a short option
// ("-w76"), or else the next argument, which at then moves to.
option_reading read_option(const std::vector<std::string>& args, size_t& at)
{
    const std::string& arg = args[at];
    std::string name = arg;
    std::optional<std::string> value;
    if (arg.compare(0, 2, "--") == 0 && arg.find('=') != std::string::npos) {
        name = arg.substr(0, arg.find('='));
        value = arg.substr(arg.find('=') + 1);
    } else if (arg.compare(0, 2, "--") != 0 && arg.size() > 2) {
        name = arg.substr(0, 2);
        value = arg.substr(2);
    }
    option_reading read;
    read.option = find_option(name);
    if (read.option == nullptr) {
        read.error = "unknown option '" + arg + "'";
        return read;
    }
    const bool takes_value = read.option->argument[0] != '\0';
    if (!takes_value && value)
        read.error = std::string(read.option->long_name) + " takes no value";
    else if (takes_value && !value && at + 1 == args.size())
        read.error = std::string(read.option->long_name) + " needs " + read.option->argument;
    else if (takes_value)
        read.value = value ? *value : args[++at];
    return read;
}

// Records what the option says; the reason when its value is no form (--from, --to) or no number of
// columns (--wrap). --help, --version and --list-alphabets set the action.
std::string apply_option(const option_spec& option, const std::string& value, command_reading& reading)
{
    cli_options& options = reading.options;
    switch (option.id) {
    case option_id::help: options.action = cli_action::help; break;
    case option_id::version: options.action = cli_action::version; break;
    case option_id::list_alphabets: options.action = cli_action::list_alphabets; break;
    case option_id::from:
    case option_id::to: {
        std::optional<data_form> form = parse_form(value);
        if (!form)
            return std::string(option.long_name) + ": '" + value + "' is not a form (" + form_names() + ")";
        (option.id == option_id::from ? reading.from : reading.to) = form;
        break;
    }
    case option_id::alphabet: reading.alphabets.both = value; break;
    case option_id::from_alphabet: reading.alphabets.from = value; break;
    case option_id::to_alphabet: reading.alphabets.to = value; break;
    case option_id::keep_leading_zeros: options.keep_leading_zeros = true; break;
    case option_id::ignore_garbage: options.ignore_garbage = true; break;
    case option_id::lines: options.lines = true; break;
    case option_id::lower: reading.lower = true; break;
    case option_id::no_padding: options.padding = false; break;
    case option_id::wrap: {
        std::optional<uint32_t> columns = parse_columns(value);
        if (!columns)
            return "--wrap: '" + value + "' is not a number of columns (0 to " + std::to_string(MAX_WRAP_COLUMNS) + ")";
        options.wrap_columns = *columns;
        break;
    }
    }
    return "";
}

// The checks of the whole line: both forms given, then what depends on them (resolve_sides); the
// reason when they fail.
std::string finish_command(command_reading& reading)
{
    if (!reading.from || !reading.to)
        return !reading.from ? "--from FORM is missing" : "--to FORM is missing";
    reading.options.from = *reading.from;
    reading.options.to = *reading.to;
    return resolve_sides(reading.alphabets, reading.lower, reading.options);
}

}  // namespace

parsed_command parse_command(const std::vector<std::string>& args)
{
    command_reading reading;
    bool options_ended = false;
    for (size_t at = 0; at < args.size(); ++at) {
        const std::string& arg = args[at];
        std::string error;
        if (options_ended || is_file_argument(arg)) {
            error = take_file(arg, reading);
        } else if (arg == "--") {
            options_ended = true;
        } else {
            option_reading read = read_option(args, at);
            error = read.error.empty() ? apply_option(*read.option, read.value, reading) : read.error;
            // --help, --version and --list-alphabets take effect where they stand
            if (reading.options.action != cli_action::convert)
                return {std::move(reading.options), error};
        }
        if (!error.empty())
            return {std::move(reading.options), error};
    }
    std::string error = finish_command(reading);
    return {std::move(reading.options), error};
}
