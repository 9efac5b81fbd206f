#include "name_list.h"

#include "positions.h"
#include "text.h"

#include <algorithm>

namespace tarvendi::rules {

std::vector<std::string> list_lines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::string edit_lines(std::string_view text,
                       const std::function<std::string(const std::string &, std::size_t)> &edit) {
    const std::vector<std::string> lines = list_lines(text);
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += '\n';
        out += edit(lines[i], i);
    }
    if (text.ends_with('\n'))
        out += '\n';
    return out;
}

std::string append_lines(std::string_view text, const std::vector<std::string> &lines) {
    std::string out(text);
    // Whether the last line written still lacks the break before the next one.
    bool open_line = !out.empty() && !out.ends_with('\n');
    for (const std::string &line : lines) {
        if (open_line)
            out += '\n';
        out += line;
        open_line = true;
    }
    return out;
}

std::string crlf_lines(std::string_view text) {
    std::string out;
    out.reserve(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string extracted_name(std::string_view item, bool drop_extension) {
    std::string name = file_name_part(item);
    if (drop_extension)
        name = cut_extension(name, extension(name));
    return trim(name);
}

std::string numbered_line(std::string_view line, std::size_t number) {
    std::string out = number < 10 ? "0" : "";
    out.append(std::to_string(number)).append("_").append(line);
    return out;
}

std::string delete_stretch(std::string_view line, std::int32_t start, std::int32_t length) {
    std::string out(line);
    cut_bytes(out, start, length);
    return out;
}

std::string replace_in_line(std::string_view line, std::string_view typed_find,
                            std::string_view replacement) {
    std::string out(line);
    const std::size_t p = find_text(out, trim(typed_find));
    if (p != std::string::npos)
        out.erase(p, typed_find.size()).insert(p, replacement);
    return out;
}

bool folder_line_usable(std::string_view line) {
    const std::string_view last = line.substr(file_name_start(line));
    // An empty level counts as blank.
    const bool blank = std::all_of(last.begin(), last.end(), [](char c) { return c == ' '; });
    const bool control = std::any_of(last.begin(), last.end(),
                                     [](char c) { return static_cast<unsigned char>(c) < 32; });
    return !blank && !control;
}

} // namespace tarvendi::rules
