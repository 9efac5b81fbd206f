#include "describe.h"

#include "display_text.h"
#include "encoding.h"
#include "errors.h"
#include "integer.h"
#include "rule_passes.h"
#include "state_files.h"
#include "tag_passes.h"

namespace tarvendi::cli {

std::string argument(const CommandLine &line, std::string_view name, std::string_view fallback) {
    return platform::typed_text(line.value(name).value_or(std::string(fallback)));
}

namespace {

// Read before anything happens, with the window's message for a bad one.
passes::Number number(const CommandLine &line, std::string_view name, std::string_view fallback) {
    const std::string text = line.value(name).value_or(std::string(fallback));
    if (const auto value = rules::parse_int(platform::typed_text(text)))
        return passes::fixed(*value);
    throw platform::ConversionError(text);
}

std::string required(const CommandLine &line, std::string_view name) {
    if (!line.value(name))
        throw UsageError("'" + std::string(line.command->name) + "' needs --" + std::string(name));
    return argument(line, name);
}

std::string name_list(const CommandLine &line) {
    const std::string path = required(line, "names");
    std::string text;
    try {
        text = platform::read_whole_file(platform::name_to_disk(path).value_or(path));
    } catch (const platform::IoError &error) {
        throw UsageError("cannot read the name list: " + std::string(error.what()));
    }
    const std::string encoding = line.value("encoding").value_or("gb18030");
    if (encoding == "utf-8" || encoding == "utf8")
        text = platform::typed_text(text);
    else if (encoding != "gb18030")
        throw UsageError("--encoding takes utf-8 or gb18030");
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            lines += text[i];
    return lines;
}

core::PassDescription rule_pass(const CommandLine &line, tags::Id3v1Tag &tags) {
    const std::string_view name = line.command->name;
    const auto start = [&] {
        return number(line, "start", "1");
    };
    if (name == "wildcard")
        return passes::wildcard(required(line, "template"), start());
    if (name == "range")
        return passes::range(argument(line, "from"), argument(line, "to"), argument(line, "with"),
                             line.flag("cut-ext"), start());
    if (name == "sequence")
        return passes::sequence(number(line, "pos", ""), number(line, "len", ""),
                                argument(line, "template"), start());
    if (name == "pad")
        return passes::pad(number(line, "width", "2")());
    if (name == "replace")
        return passes::replace(argument(line, "find"), argument(line, "with"),
                               line.flag("cut-ext"));
    if (name == "ext")
        return passes::change_extension(argument(line, "to"), {});
    if (name == "clean") {
        rules::CleanClasses classes;
        classes.digits = line.flag("digits");
        classes.letters = line.flag("letters");
        classes.space = line.flag("spaces");
        classes.hyphen = line.flag("hyphens") || line.flag("punct");
        classes.underscore = line.flag("underscores") || line.flag("punct");
        classes.brackets = line.flag("brackets") || line.flag("punct");
        return passes::clean(classes, {});
    }
    if (name == "numerals")
        return passes::numerals(line.flag("ten-to-one"));
    if (name == "move")
        return passes::move(number(line, "start", ""), number(line, "len", ""),
                            number(line, "to", ""));
    if (name == "tail")
        return passes::tail(number(line, "start", ""), number(line, "len", ""));
    if (name == "regex" || name == "case") {
        passes::RegexReplace replace;
        if (name == "regex") {
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
            throw UsageError("the pattern does not compile at character " +
                             std::to_string(error.offset() + 1) + ": " + error.what());
        }
    }
    if (name == "list")
        return passes::name_list(name_list(line), argument(line, "template"), line.flag("dirs"),
                                 start());
    if (name == "tag-template")
        return passes::tag_template(tags, required(line, "template"), start(), line.flag("id3v2"));
    if (name == "tag-title")
        return passes::tag_title(tags, line.flag("id3v2"));
    if (name == "tag-set")
        return passes::set_tags(tags, {argument(line, "title"), argument(line, "artist"),
                                       argument(line, "album"), argument(line, "year"),
                                       argument(line, "comment")});
    throw UsageError("'" + std::string(name) + "' renames nothing");
}

} // namespace

core::PassDescription describe(const CommandLine &line, tags::Id3v1Tag &tags, bool paths) {
    core::PassDescription d = rule_pass(line, tags);
    if (paths) {
        // A path from standard input keeps its folder: the rule sees its bare name and the new
        // name goes beside it, instead of into the current directory as a window item would.
        d.file_name_part = true;
        d.target = core::Target::InFolder;
        d.folder.reset();
    }
    return d;
}

} // namespace tarvendi::cli
