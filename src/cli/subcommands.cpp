// Every subcommand of tarvendi-cli in one place: its options, and how it builds its pass from
// them with the builders the window's pages use.

#include "command_line.h"
#include "describe.h"
#include "filesystem.h"
#include "language.h"
#include "regex_rule.h"
#include "rule_passes.h"
#include "tag_commands.h"
#include "tag_passes.h"
#include "tag_template.h"

namespace tarvendi::cli {

namespace {

using Line = const CommandLine &;
using Tags = tags::Id3v1Tag &;

const OptionSpec kStart = {"start", "N", "the first number (default 1)"};
// What an option left out takes: the value the page or its dialog starts with.
constexpr std::string_view kTemplate = "##-";
const OptionSpec kId3v2 = {"id3v2", "", "each field from the ID3v2 tag where it has one"};
const OptionSpec kAllAudio = {
    "all-audio", "",
    "also FLAC, Ogg, Opus, M4A, WMA, APE, WavPack, WAV and AIFF files, by their own tags"};

passes::Number start(Line line) {
    return number(line, "start", "1");
}

core::PassDescription clean(Line line, Tags) {
    rules::CleanClasses classes;
    classes.digits = line.flag("digits");
    classes.letters = line.flag("letters");
    classes.space = line.flag("spaces");
    classes.hyphen = line.flag("hyphens") || line.flag("punct");
    classes.underscore = line.flag("underscores") || line.flag("punct");
    classes.brackets = line.flag("brackets") || line.flag("punct");
    return passes::clean(classes, {});
}

// "regex", and "case", which is a regular expression that matches nothing.
core::PassDescription regex(Line line, Tags) {
    passes::RegexReplace replace;
    if (line.command->name == "regex") {
        replace.pattern = line.value("find").value_or("");
        replace.replacement = line.value("with").value_or("");
    }
    replace.case_sensitive = !line.flag("ignore-case");
    replace.all = !line.flag("first");
    replace.with_ext = line.flag("with-ext");
    replace.letter_case = line.flag("upper")   ? rules::LetterCase::Upper
                          : line.flag("lower") ? rules::LetterCase::Lower
                          : line.flag("title") ? rules::LetterCase::Title
                                               : rules::LetterCase::Keep;
    try {
        return passes::regex_replace(replace);
    } catch (const rules::RegexError &error) {
        throw UsageError(std::string(spoken("the pattern does not compile at character ",
                                            "正则表达式无法编译，位置：第 ")) +
                         std::to_string(error.offset() + 1) + spoken(": ", " 个字符：") +
                         error.what());
    }
}

// A tag subcommand's pass, where a FIFO, socket or device named like a song (an MP3 file, or any
// audio file with all_audio) is refused for itself rather than read as a file without a tag, as
// the window's list reads it.
core::PassDescription regular_files_only(core::PassDescription d, bool all_audio = false) {
    d.rule = [rule = std::move(d.rule),
              all_audio](const core::RuleInput &in) -> std::optional<std::string> {
        const bool song = all_audio ? rules::is_audio_name(in.name) : rules::is_mp3_name(in.name);
        if (song && !platform::regular_file(in.source))
            throw core::ItemRefused{not_regular_reason()};
        return rule(in);
    };
    return d;
}

} // namespace

const std::vector<OptionSpec> &common_options() {
    static const std::vector<OptionSpec> common = {
        {"dir", "DIR", "the folder whose entries are renamed (default: the current directory)"},
        {"mask", "MASK", "only the entries the mask admits, e.g. '*.mp3;*.wma' (default: all)"},
        {"dirs", "", "the sub-folders instead of the files"},
        {"natural", "", "sort runs of digits by their value (2 before 10)"},
        {"from-stdin", "",
         "the paths read from standard input, one a line, in that order (also -)"},
        {"0", "", "with --from-stdin: the paths are separated by NUL bytes"},
        {"execute", "", "rename; without it nothing changes and the plan is shown"},
        {"order", "", "run the renames in an order that frees each name before it is taken"},
        {"json", "", "print one JSON document instead of lines"},
    };
    return common;
}

const std::vector<CommandSpec> &commands() {
    static const std::vector<CommandSpec> all = {
        {"wildcard",
         "rename by a template: * the old name, # runs the number, / the file's date, : its time",
         {{"template", "T", "the template (required)"},
          kStart,
          {"photo-date", "",
           "/ and : take the date a photo was taken (Exif, XMP) where it has one"}},
         [](Line line, Tags) {
             return passes::wildcard(required(line, "template"), start(line),
                                     line.flag("photo-date"));
         }},
        {"range",
         "replace the stretch from one text to another",
         {{"from", "A", "where the stretch starts"},
          {"to", "B", "where it ends"},
          {"with", "T", "the template put in its place (# the number; default ##-)"},
          {"cut-ext", "", "cut the extension off first (it is not put back)"},
          kStart},
         [](Line line, Tags) {
             return passes::range(argument(line, "from"), argument(line, "to"),
                                  argument(line, "with", kTemplate), line.flag("cut-ext"),
                                  start(line));
         }},
        {"sequence",
         "replace the part at a position with a template",
         {{"pos", "P", "the first byte replaced (from 1; default 1)"},
          {"len", "L", "how many bytes (default 3)"},
          {"template", "T", "the template put in its place (# the number; default ##-)"},
          kStart},
         [](Line line, Tags) {
             return passes::sequence(number(line, "pos", "1"), number(line, "len", "3"),
                                     argument(line, "template", kTemplate), start(line));
         }},
        {"pad",
         "put zeros in front of each whole name (its extension aside) up to a width in bytes",
         {{"width", "W", "the width in bytes, a Chinese character counting 2 (default 2)"}},
         [](Line line, Tags) {
             return passes::pad(number(line, "width", "2")());
         }},
        {"replace",
         "replace a text in the names",
         {{"find", "A", "the text replaced"},
          {"with", "B", "the text put in"},
          {"cut-ext", "", "cut the extension off first (it is not put back)"}},
         [](Line line, Tags) {
             return passes::replace(argument(line, "find"), argument(line, "with"),
                                    line.flag("cut-ext"));
         }},
        {"ext",
         "change the extension",
         {{"to", "EXT", "the new extension (empty: none)"}},
         [](Line line, Tags) {
             return passes::change_extension(argument(line, "to"), {});
         }},
        {"clean",
         "remove kinds of characters from the names",
         {{"digits", "", "0-9"},
          {"letters", "", "a-z, A-Z"},
          {"spaces", "", "blanks"},
          {"hyphens", "", "-"},
          {"underscores", "", "_"},
          {"brackets", "", "brackets of every kind"},
          {"punct", "", "hyphens, underscores and brackets"}},
         clean},
        {"numerals",
         "Chinese numerals to digits",
         {{"ten-to-one", "", "十 becomes 1 too"}},
         [](Line line, Tags) {
             return passes::numerals(line.flag("ten-to-one"));
         }},
        {"move",
         "move a part of the name elsewhere",
         {{"start", "S", "the first byte moved (from 1; default 1)"},
          {"len", "L", "how many bytes (default 6)"},
          {"to", "T", "the byte position they go to (default 999)"}},
         [](Line line, Tags) {
             return passes::move(number(line, "start", "1"), number(line, "len", "6"),
                                 number(line, "to", "999"));
         }},
        {"tail",
         "bring a part of the name to its front",
         {{"start", "S", "the first byte moved (from 1; default 1)"},
          {"len", "L", "how many bytes (default 3)"}},
         [](Line line, Tags) {
             return passes::tail(number(line, "start", "1"), number(line, "len", "3"));
         }},
        {"list",
         "rename by a list of names, one a line",
         {{"names", "FILE",
           "the list (- standard input): UTF-8 when it is valid UTF-8, else GB18030"},
          {"encoding", "ENC", "utf-8 or gb18030: read the list so, whatever it looks like"},
          {"template", "T", "a numbering template put in front (# the number)"},
          kStart},
         [](Line line, Tags) {
             return passes::name_list(name_list(line), argument(line, "template"),
                                      line.flag("dirs"), start(line));
         }},
        {"regex",
         "replace by a regular expression (PCRE2) in the names",
         {{"find", "RE", "the pattern (. is one character, Chinese included)"},
          {"with", "REPL", "the replacement: $0 the match, $1..$9 the groups"},
          {"ignore-case", "", "letters match in either case"},
          {"first", "", "only the first match of each name"},
          {"with-ext", "", "the extension is part of the name matched"},
          {"upper", "", "then all letters upper case"},
          {"lower", "", "then all letters lower case"},
          {"title", "", "then each word's first letter upper case, the rest lower"}},
         regex},
        {"case",
         "change the letter case of the names",
         {{"upper", "", "all letters upper case"},
          {"lower", "", "all letters lower case"},
          {"title", "", "each word's first letter upper case, the rest lower"},
          {"with-ext", "", "the extension changes too"}},
         regex},
        {"tag-template",
         "rename MP3 files by a template of their tags: @ the title, $ the artist, # the number",
         {{"template", "T", "the template (required)"}, kStart, kId3v2, kAllAudio},
         [](Line line, Tags tags) {
             return regular_files_only(passes::tag_template(tags, required(line, "template"),
                                                            start(line), tag_sources(line)),
                                       line.flag("all-audio"));
         }},
        {"tag-title",
         "rename MP3 files by their title",
         {kId3v2, kAllAudio},
         [](Line line, Tags tags) {
             return regular_files_only(passes::tag_title(tags, tag_sources(line)),
                                       line.flag("all-audio"));
         }},
        {"tag-set",
         "write ID3v1 fields into MP3 files (an empty field is left as it is)",
         {{"title", "T", ""},
          {"artist", "A", ""},
          {"album", "B", ""},
          {"year", "Y", ""},
          {"comment", "C", ""}},
         [](Line line, Tags tags) {
             return regular_files_only(passes::set_tags(
                 tags, {argument(line, "title"), argument(line, "artist"), argument(line, "album"),
                        argument(line, "year"), argument(line, "comment")}));
         }},
        {"tag-show", "show the tags of MP3 files (ID3v1)", {kId3v2, kAllAudio}},
        {"undo",
         "take back the last execute (of the window or of this program)",
         {{"execute", "", "undo; without it, only show what would be undone"},
          {"no-wait", "", "refuse instead of waiting while another rename or undo runs"},
          {"json", "", "print one JSON document instead of lines"}},
         nullptr,
         false},
    };
    return all;
}

} // namespace tarvendi::cli
