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

}  // namespace

parsed_command parse_command(const std::vector<std::string>& args)
{
    parsed_command result;
    cli_options& options = result.options;
    alphabet_requests alphabets;
    std::optional<data_form> from, to;
    bool have_file = false;
    bool options_ended = false;
    bool lower = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options_ended || arg == "-" || arg.empty() || arg[0] != '-') {
            if (have_file) {
                result.error =
                    "more than one FILE: '" + (options.from_file ? options.file : "-") + "' and '" + arg + "'";
                return result;
            }
            have_file = true;
            options.from_file = arg != "-";
            options.file = arg;
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }
        // The value: after "=" in "--name=value", glued to a short option ("-w76"), or the next argument.
        std::string name = arg;
        std::optional<std::string> value;
        if (arg.compare(0, 2, "--") == 0 && arg.find('=') != std::string::npos) {
            name = arg.substr(0, arg.find('='));
            value = arg.substr(arg.find('=') + 1);
        } else if (arg.compare(0, 2, "--") != 0 && arg.size() > 2) {
            name = arg.substr(0, 2);
            value = arg.substr(2);
        }
        const option_spec* option = find_option(name);
        if (option == nullptr) {
            result.error = "unknown option '" + arg + "'";
            return result;
        }
        if (option->argument[0] == '\0' && value) {
            result.error = std::string(option->long_name) + " takes no value";
            return result;
        }
        if (option->argument[0] != '\0' && !value) {
            if (i + 1 == args.size()) {
                result.error = std::string(option->long_name) + " needs " + option->argument;
                return result;
            }
            value = args[++i];
        }
        switch (option->id) {
        case option_id::help: options.action = cli_action::help; return result;
        case option_id::version: options.action = cli_action::version; return result;
        case option_id::list_alphabets: options.action = cli_action::list_alphabets; return result;
        case option_id::from:
        case option_id::to: {
            std::optional<data_form> form = parse_form(*value);
            if (!form) {
                result.error =
                    std::string(option->long_name) + ": '" + *value + "' is not a form (" + form_names() + ")";
                return result;
            }
            (option->id == option_id::from ? from : to) = form;
            break;
        }
        case option_id::alphabet: alphabets.both = value; break;
        case option_id::from_alphabet: alphabets.from = value; break;
        case option_id::to_alphabet: alphabets.to = value; break;
        case option_id::keep_leading_zeros: options.keep_leading_zeros = true; break;
        case option_id::ignore_garbage: options.ignore_garbage = true; break;
        case option_id::lines: options.lines = true; break;
        case option_id::lower: lower = true; break;
        case option_id::no_padding: options.padding = false; break;
        case option_id::wrap: {
            std::optional<uint32_t> columns = parse_columns(*value);
            if (!columns) {
                result.error = "--wrap: '" + *value + "' is not a number of columns (0 to " +
                               std::to_string(MAX_WRAP_COLUMNS) + ")";
                return result;
            }
            options.wrap_columns = *columns;
            break;
        }
        }
    }
    if (!from || !to) {
        result.error = !from ? "--from FORM is missing" : "--to FORM is missing";
        return result;
    }
    options.from = *from;
    options.to = *to;
    result.error = resolve_sides(alphabets, lower, options);
    return result;
}
