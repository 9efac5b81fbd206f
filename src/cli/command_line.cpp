#include "command_line.h"

#include <algorithm>

namespace tarvendi::cli {

namespace {

const std::vector<OptionSpec> kCommon = {
    {"dir", "DIR", "the folder whose entries are renamed (default: the current directory)"},
    {"mask", "MASK", "only the entries the mask admits, e.g. '*.mp3;*.wma' (default: all)"},
    {"dirs", "", "the sub-folders instead of the files"},
    {"natural", "", "sort runs of digits by their value (2 before 10)"},
    {"from-stdin", "", "the paths read from standard input, one a line, in that order (also -)"},
    {"0", "", "with --from-stdin: the paths are separated by NUL bytes"},
    {"execute", "", "rename; without it nothing changes and the plan is shown"},
    {"order", "", "run the renames in an order that frees each name before it is taken"},
    {"json", "", "print one JSON document instead of lines"},
};

const OptionSpec kStart = {"start", "N", "the first number (default 1)"};
const OptionSpec kId3v2 = {"id3v2", "", "each field from the ID3v2 tag where it has one"};

} // namespace

const std::vector<CommandSpec> &commands() {
    static const std::vector<CommandSpec> all = {
        {"wildcard",
         "rename by a template: * the old name, # runs the number, / the file's date, : its time",
         {{"template", "T", "the template (required)"}, kStart}},
        {"range",
         "replace the stretch from one text to another",
         {{"from", "A", "where the stretch starts"},
          {"to", "B", "where it ends"},
          {"with", "T", "the template put in its place (# the number)"},
          {"cut-ext", "", "cut the extension off first (it is not put back)"},
          kStart}},
        {"sequence",
         "replace the part at a position with a template",
         {{"pos", "P", "the first byte replaced (from 1)"},
          {"len", "L", "how many bytes"},
          {"template", "T", "the template put in its place (# the number)"},
          kStart}},
        {"pad",
         "bring the numbers of the names to a width with zeros",
         {{"width", "W", "default 2"}}},
        {"replace",
         "replace a text in the names",
         {{"find", "A", "the text replaced"},
          {"with", "B", "the text put in"},
          {"cut-ext", "", "cut the extension off first (it is not put back)"}}},
        {"ext", "change the extension", {{"to", "EXT", "the new extension (empty: none)"}}},
        {"clean",
         "remove kinds of characters from the names",
         {{"digits", "", "0-9"},
          {"letters", "", "a-z, A-Z"},
          {"spaces", "", "blanks"},
          {"hyphens", "", "-"},
          {"underscores", "", "_"},
          {"brackets", "", "brackets of every kind"},
          {"punct", "", "hyphens, underscores and brackets"}}},
        {"numerals", "Chinese numerals to digits", {{"ten-to-one", "", "十 becomes 1 too"}}},
        {"move",
         "move a part of the name elsewhere",
         {{"start", "S", "the first byte moved (from 1)"},
          {"len", "L", "how many bytes"},
          {"to", "T", "the byte position they go to"}}},
        {"tail",
         "bring a part of the name to its front",
         {{"start", "S", "the first byte moved (from 1)"}, {"len", "L", "how many bytes"}}},
        {"list",
         "rename by a list of names, one a line",
         {{"names", "FILE", "the list, as the window saves it (GB18030)"},
          {"encoding", "utf-8", "read the list as UTF-8 instead"},
          {"template", "T", "a numbering template put in front (# the number)"},
          kStart}},
        {"regex",
         "replace by a regular expression (PCRE2) in the names",
         {{"find", "RE", "the pattern (. is one character, Chinese included)"},
          {"with", "REPL", "the replacement: $0 the match, $1..$9 the groups"},
          {"ignore-case", "", "letters match in either case"},
          {"first", "", "only the first match of each name"},
          {"with-ext", "", "the extension is part of the name matched"},
          {"upper", "", "then all letters upper case"},
          {"lower", "", "then all letters lower case"},
          {"title", "", "then each word's first letter upper case, the rest lower"}}},
        {"case",
         "change the letter case of the names",
         {{"upper", "", "all letters upper case"},
          {"lower", "", "all letters lower case"},
          {"title", "", "each word's first letter upper case, the rest lower"},
          {"with-ext", "", "the extension changes too"}}},
        {"tag-template",
         "rename MP3 files by a template of their tags: @ the title, $ the artist, # the number",
         {{"template", "T", "the template (required)"}, kStart, kId3v2}},
        {"tag-title", "rename MP3 files by their title", {kId3v2}},
        {"tag-set",
         "write ID3v1 fields into MP3 files (an empty field is left as it is)",
         {{"title", "T", ""},
          {"artist", "A", ""},
          {"album", "B", ""},
          {"year", "Y", ""},
          {"comment", "C", ""}}},
        {"tag-show", "show the tags of MP3 files (ID3v1)", {kId3v2}},
        {"undo",
         "take back the last execute (of the window or of this program)",
         {{"execute", "", "undo; without it, only show what would be undone"},
          {"no-wait", "", "refuse instead of waiting while another rename or undo runs"},
          {"json", "", "print one JSON document instead of lines"}},
         false},
    };
    return all;
}

std::optional<std::string> CommandLine::value(std::string_view name) const {
    if (const auto at = values.find(name); at != values.end())
        return at->second;
    return std::nullopt;
}

namespace {

const OptionSpec *find_option(const CommandSpec &command, std::string_view name) {
    for (const OptionSpec &option : command.options)
        if (option.name == name)
            return &option;
    if (command.renames)
        for (const OptionSpec &option : kCommon)
            if (option.name == name)
                return &option;
    return nullptr;
}

} // namespace

CommandLine parse_command_line(const std::vector<std::string> &args) {
    CommandLine line;
    std::size_t i = 0;
    if (i < args.size() && (args[i] == "--help" || args[i] == "-h")) {
        line.help = true;
        return line;
    }
    if (i < args.size() && args[i] == "--version") {
        line.version = true;
        return line;
    }
    if (i >= args.size())
        throw UsageError("no subcommand given (see tarvendi-cli --help)");
    const auto &all = commands();
    const auto command = std::find_if(all.begin(), all.end(),
                                      [&](const CommandSpec &c) { return c.name == args[i]; });
    if (command == all.end())
        throw UsageError("unknown subcommand '" + args[i] + "' (see tarvendi-cli --help)");
    line.command = &*command;
    for (++i; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
            continue;
        }
        std::string name;
        if (arg == "-" && command->renames)
            name = "from-stdin";
        else if (arg == "-0" && command->renames)
            name = "0";
        else if (arg.starts_with("--"))
            name = arg.substr(2);
        else
            throw UsageError("unexpected argument '" + arg + "'");
        std::optional<std::string> inline_value;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            inline_value = name.substr(eq + 1);
            name.resize(eq);
        }
        const OptionSpec *option = find_option(*command, name);
        if (!option)
            throw UsageError("'" + std::string(command->name) + "' takes no option --" + name);
        if (option->value.empty()) {
            if (inline_value)
                throw UsageError("--" + name + " takes no value");
            line.flags.insert(name);
        } else if (inline_value) {
            line.values[name] = *inline_value;
        } else if (i + 1 < args.size()) {
            line.values[name] = args[++i];
        } else {
            throw UsageError("--" + name + " needs a value (" + std::string(option->value) + ")");
        }
    }
    return line;
}

namespace {

void append_options(const std::vector<OptionSpec> &options, std::string &out) {
    for (const OptionSpec &option : options) {
        // "0" is the one short option: -0, as find -print0 and xargs -0 spell it.
        std::string left = (option.name == "0" ? "  -" : "  --") + std::string(option.name);
        if (!option.value.empty())
            left += " " + std::string(option.value);
        out += left;
        if (!option.help.empty())
            out += std::string(left.size() < 22 ? 22 - left.size() : 1, ' ') +
                   std::string(option.help);
        out += '\n';
    }
}

} // namespace

std::string program_help() {
    std::string out = "Usage: tarvendi-cli SUBCOMMAND [OPTIONS]\n"
                      "Renames many files at once by one rule; shows the plan unless --execute.\n\n"
                      "Subcommands:\n";
    for (const CommandSpec &command : commands()) {
        std::string left = "  " + std::string(command.name);
        out += left + std::string(16 - std::min<std::size_t>(left.size(), 15), ' ') +
               std::string(command.summary) + '\n';
    }
    out += "\nOptions of every renaming subcommand:\n";
    append_options(kCommon, out);
    out += "\n  tarvendi-cli SUBCOMMAND --help   the options of a subcommand\n"
           "  tarvendi-cli --version\n\n"
           "Exit status: 0 all done, 1 something was (or in a dry run would be) refused,\n"
           "2 bad usage or a failure before anything was renamed.\n";
    return out;
}

std::string command_help(const CommandSpec &command) {
    std::string out = "Usage: tarvendi-cli " + std::string(command.name) + " [OPTIONS]\n" +
                      std::string(command.summary) + "\n";
    if (!command.options.empty()) {
        out += "\nOptions:\n";
        append_options(command.options, out);
    }
    if (command.renames) {
        out += "\nItems and running:\n";
        append_options(kCommon, out);
    }
    return out;
}

} // namespace tarvendi::cli
