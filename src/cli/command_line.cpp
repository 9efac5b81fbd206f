#include "command_line.h"

#include "language.h"

#include <algorithm>

namespace tarvendi::cli {

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
        for (const OptionSpec &option : common_options())
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
        throw UsageError(spoken("no subcommand given (see tarvendi-cli --help)",
                                "没有给出子命令（见 tarvendi-cli --help）"));
    const auto &all = commands();
    const auto command = std::find_if(all.begin(), all.end(),
                                      [&](const CommandSpec &c) { return c.name == args[i]; });
    if (command == all.end())
        throw UsageError(spoken("unknown subcommand '" + args[i] + "' (see tarvendi-cli --help)",
                                "没有子命令 '" + args[i] + "'（见 tarvendi-cli --help）"));
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
            throw UsageError(
                spoken("unexpected argument '" + arg + "'", "多余的参数 '" + arg + "'"));
        std::optional<std::string> inline_value;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            inline_value = name.substr(eq + 1);
            name.resize(eq);
        }
        const OptionSpec *option = find_option(*command, name);
        if (!option)
            throw UsageError(
                spoken("'" + std::string(command->name) + "' takes no option --" + name,
                       "'" + std::string(command->name) + "' 没有选项 --" + name));
        if (option->value.empty()) {
            if (inline_value)
                throw UsageError(spoken("--" + name + " takes no value", "--" + name + " 不带值"));
            line.flags.insert(name);
        } else if (inline_value) {
            line.values[name] = *inline_value;
        } else if (i + 1 < args.size()) {
            line.values[name] = args[++i];
        } else {
            throw UsageError(
                spoken("--" + name + " needs a value (" + std::string(option->value) + ")",
                       "--" + name + " 需要一个值（" + std::string(option->value) + "）"));
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
    append_options(common_options(), out);
    out += "\n  tarvendi-cli SUBCOMMAND --help   the options of a subcommand\n"
           "  tarvendi-cli --version\n\n"
           "Exit status: 0 all done, 1 something was (or in a dry run would be) refused,\n"
           "2 bad usage or a failure before anything was renamed, 3 the output could not be\n"
           "written (what --execute changed stands, and undo takes it back).\n";
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
        append_options(common_options(), out);
    }
    return out;
}

} // namespace tarvendi::cli
