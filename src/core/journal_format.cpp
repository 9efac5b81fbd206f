#include "journal_format.h"

#include "encoding.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace tarvendi::core {

namespace {

using nlohmann::json;

std::string hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char b : bytes) {
        out += kDigits[static_cast<unsigned char>(b) >> 4];
        out += kDigits[static_cast<unsigned char>(b) & 15];
    }
    return out;
}

std::string unhex(const std::string &text) {
    if (text.size() % 2 != 0)
        throw std::runtime_error("odd hex text");
    const auto digit = [](char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        throw std::runtime_error("not a hex digit");
    };
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); i += 2)
        bytes += static_cast<char>(digit(text[i]) * 16 + digit(text[i + 1]));
    return bytes;
}

// A JSON string of UTF-8 text. Written by hand: an execute of 100,000 renames writes 200,000 of
// them before its first rename.
void append_quoted(std::string_view text, std::string &out) {
    out += '"';
    // A journal holds a million paths, nearly all without a character to escape: the runs
    // between such characters go in whole.
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20)
            continue;
        out.append(text, plain, i - plain);
        plain = i + 1;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else {
            static constexpr char kDigits[] = "0123456789abcdef";
            out += "\\u00";
            out += kDigits[c >> 4];
            out += kDigits[c & 15];
        }
    }
    out.append(text, plain);
    out += '"';
}

// "key":"path", or "key_hex":"..." for a path that is not UTF-8.
void append_path(std::string_view key, std::string_view path, std::string &out) {
    const bool text = platform::is_utf8(path);
    out += '"';
    out += key;
    out += text ? "\":" : "_hex\":";
    append_quoted(text ? path : std::string_view(hex(path)), out);
}

std::optional<std::string> path_at(const json &line, const std::string &key) {
    if (const auto at = line.find(key); at != line.end())
        return at->get<std::string>();
    if (const auto at = line.find(key + "_hex"); at != line.end())
        return unhex(at->get<std::string>());
    return std::nullopt;
}

} // namespace

std::string journal_header(std::string_view started, std::string_view by, std::string_view what) {
    std::string line = "{\"tarvendi_journal\":1,\"started\":";
    append_quoted(started, line);
    if (!by.empty()) {
        line += ",\"by\":";
        append_quoted(by, line);
    }
    if (!what.empty()) {
        line += ",\"what\":";
        append_quoted(what, line);
    }
    return line + "}\n";
}

void append_step_line(const JournalStep &step, std::string &out) {
    out += '{';
    switch (step.kind) {
    case StepKind::Rename:
        append_path("rename", step.path, out);
        out += ',';
        append_path("to", step.target, out);
        break;
    case StepKind::Tag:
        append_path("tag", step.path, out);
        out += ",\"old\":";
        if (step.old_tail)
            append_quoted(hex(*step.old_tail), out);
        else
            out += "null";
        break;
    case StepKind::Folder:
        append_path("folder", step.path, out);
        break;
    }
    out += "}\n";
}

std::string written_tag_line(std::size_t step, std::string_view tail) {
    std::string line = "{\"wrote\":" + std::to_string(step) + ",\"tail\":";
    append_quoted(hex(tail), line);
    return line + "}\n";
}

std::string finished_line(const std::vector<std::size_t> &failed, bool stopped) {
    json line{{"finished", true}, {"failed", failed}};
    if (stopped)
        line["stopped"] = true;
    return line.dump() + "\n";
}

std::string interrupted_line() {
    return "{\"interrupted\":true}\n";
}

namespace {

// A step number as the journal writes it. The JSON reader would turn a float or a negative
// number into one without a word (and a float past the range is undefined).
std::size_t step_number(const json &value) {
    if (!value.is_number_unsigned())
        throw std::runtime_error("not a step number");
    return value.get<std::size_t>();
}

// Adds what one line says to record; false when the line is not a line of a journal.
bool take_line(const json &line, JournalRecord &record) {
    if (auto source = path_at(line, "rename")) {
        record.steps.push_back(
            {StepKind::Rename, std::move(*source), path_at(line, "to").value(), {}});
    } else if (auto file = path_at(line, "tag")) {
        JournalStep step{StepKind::Tag, std::move(*file), {}, {}};
        if (const json &old = line.at("old"); !old.is_null())
            step.old_tail = unhex(old.get<std::string>());
        record.steps.push_back(std::move(step));
    } else if (auto folder = path_at(line, "folder")) {
        record.steps.push_back({StepKind::Folder, std::move(*folder), {}, {}});
    } else if (const auto wrote = line.find("wrote"); wrote != line.end()) {
        record.written[step_number(*wrote)] = unhex(line.at("tail").get<std::string>());
    } else if (line.contains("finished")) {
        record.finished = true;
        const json &failed = line.at("failed");
        if (!failed.is_array())
            return false;
        record.failed.clear();
        for (const json &step : failed)
            record.failed.push_back(step_number(step));
        std::sort(record.failed.begin(), record.failed.end());
    } else if (line.contains("interrupted")) {
        record.interrupted = true;
    } else {
        return false;
    }
    return true;
}

// A line appended after the run (its end, a mark), and no step.
bool is_mark(const json &line) {
    for (const char *step : {"rename", "rename_hex", "tag", "tag_hex", "folder", "folder_hex"})
        if (line.contains(step))
            return false;
    return line.contains("finished") || line.contains("interrupted") || line.contains("wrote");
}

// Whether a line nests deeper than any line of a journal: the JSON reader recurses, and a line of
// a million "[" must not take the stack.
bool too_deep(std::string_view content) {
    int depth = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (quoted) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if ((c == '[' || c == '{') && ++depth > 3) {
            return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

std::optional<json> read_line(std::string_view content) {
    if (too_deep(content))
        return std::nullopt;
    json line = json::parse(content, nullptr, false);
    if (line.is_discarded() || !line.is_object())
        return std::nullopt;
    return line;
}

} // namespace

JournalRecord parse_journal(std::string_view text) {
    JournalRecord record;
    std::size_t number = 0;
    std::size_t cut_at = 0; // the step line cut short, once met: only marks may follow it
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            break; // cut short by a crash before its end was written
        const std::optional<json> line = read_line(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (!line) {
            if (number == 1 || cut_at != 0)
                throw DamagedRecord(number);
            cut_at = number;
            continue;
        }
        bool taken = false;
        try {
            if (number == 1) {
                taken = line->contains("tarvendi_journal");
                record.started = line->value("started", std::string());
                record.by = line->value("by", std::string());
                record.what = line->value("what", std::string());
            } else if (cut_at == 0 || is_mark(*line))
                taken = take_line(*line, record);
        } catch (const std::exception &) {
            // a value of the wrong type, a path in hex that is not hex
        }
        if (!taken)
            throw DamagedRecord(cut_at != 0 ? cut_at : number);
    }
    if (number == 0)
        throw DamagedRecord(1);
    return record;
}

} // namespace tarvendi::core
