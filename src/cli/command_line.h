#pragma once
// The arguments of tarvendi-cli: a subcommand, then options ("--name value" or "--flag"), each
// checked against what the subcommand takes, so that a mistyped option stops before anything
// happens.

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::core {
struct PassDescription;
}
namespace tarvendi::tags {
class Id3v1Tag;
}

namespace tarvendi::cli {

struct CommandLine;

// Bad usage: the message says what is wrong; the program exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string_view name;  // without "--"
    std::string_view value; // the placeholder of its value; empty: a flag
    std::string_view help;
};

struct CommandSpec {
    std::string_view name;
    std::string_view summary;
    std::vector<OptionSpec> options; // besides the common ones
    // Builds its pass from the command line (describe.h); null for one that builds none.
    core::PassDescription (*pass)(const CommandLine &line, tags::Id3v1Tag &tags) = nullptr;
    bool renames = true; // takes the items and the common options
};

// Every subcommand, in the order the help lists them (subcommands.cpp).
const std::vector<CommandSpec> &commands();
// The options of every subcommand that renames.
const std::vector<OptionSpec> &common_options();

struct CommandLine {
    const CommandSpec *command = nullptr; // none: --help or --version of the program
    bool help = false;
    bool version = false;
    std::map<std::string, std::string, std::less<>> values;
    std::set<std::string, std::less<>> flags;

    bool flag(std::string_view name) const { return flags.contains(name); }
    std::optional<std::string> value(std::string_view name) const;
};

CommandLine parse_command_line(const std::vector<std::string> &args);

// The help of the program, or of one subcommand.
std::string program_help();
std::string command_help(const CommandSpec &command);

} // namespace tarvendi::cli
