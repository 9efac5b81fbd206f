#include "describe.h"

#include "display_text.h"
#include "encoding.h"
#include "errors.h"
#include "integer.h"
#include "language.h"
#include "state_files.h"

#include <iostream>
#include <iterator>

namespace tarvendi::cli {

std::string argument(const CommandLine &line, std::string_view name, std::string_view fallback) {
    return platform::typed_text(line.value(name).value_or(std::string(fallback)));
}

passes::Number number(const CommandLine &line, std::string_view name, std::string_view fallback) {
    const std::string text = line.value(name).value_or(std::string(fallback));
    if (const auto value = rules::parse_int(platform::typed_text(text)))
        return passes::fixed(*value);
    throw platform::ConversionError(text);
}

std::string required(const CommandLine &line, std::string_view name) {
    if (!line.value(name))
        throw UsageError(
            spoken("'" + std::string(line.command->name) + "' needs --" + std::string(name),
                   "'" + std::string(line.command->name) + "' 需要 --" + std::string(name)));
    return argument(line, name);
}

std::string name_list(const CommandLine &line) {
    const std::string path = required(line, "names");
    std::string text;
    if (path == "-") {
        if (line.flag("from-stdin") || line.flag("0"))
            throw UsageError(spoken("--names - reads standard input, which the paths take already",
                                    "--names - 要读标准输入，而路径已经从标准输入读取"));
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        try {
            text = platform::read_named_file(platform::name_to_disk(path).value_or(path));
        } catch (const platform::IoError &error) {
            throw UsageError(
                std::string(spoken("cannot read the name list: ", "无法读取名称列表：")) +
                said(error.what()));
        }
    }
    // The window saves its lists in GB18030; an editor today writes UTF-8, which a GB18030
    // text is hardly ever valid as. A byte-order mark says UTF-8 outright.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const bool marked = text.starts_with(kByteOrderMark);
    const std::string encoding =
        line.value("encoding").value_or(marked || platform::is_utf8(text) ? "utf-8" : "gb18030");
    if (encoding == "utf-8" || encoding == "utf8")
        text = platform::typed_text(marked ? text.substr(kByteOrderMark.size()) : text);
    else if (encoding != "gb18030")
        throw UsageError(
            spoken("--encoding takes utf-8 or gb18030", "--encoding 只能是 utf-8 或 gb18030"));
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            lines += text[i];
    return lines;
}

core::PassDescription describe(const CommandLine &line, tags::Id3v1Tag &tags, bool paths) {
    if (!line.command->pass)
        throw UsageError(spoken("'" + std::string(line.command->name) + "' renames nothing",
                                "'" + std::string(line.command->name) + "' 不改名"));
    core::PassDescription d = line.command->pass(line, tags);
    if (paths) {
        // A path from standard input keeps its folder: the rule sees its bare name and the new
        // name goes beside it, instead of into the folder of the pass as a window item would.
        d.file_name_part = true;
        d.target = core::Target::InFolder;
        d.folder.reset();
    }
    return d;
}

} // namespace tarvendi::cli
