#include "tag_writing.h"

#include "MP3Info.h"
#include "errors.h"
#include "gb_text.h"
#include "tag_template.h"

namespace tarvendi::ui {

bool read_tag(TMP3Info &tags, const std::string &path) {
    if (!rules::is_mp3_name(path))
        return false;
    tags.setFilename(byte_array(path));
    return true;
}

QString format_question() {
    return QStringLiteral("\r\r 是否要按格式添加？\r\r如果预览，请选择 \"否\"  \r\r "
                          "可用\"撤销上次改名\"恢复！ \r\r ");
}

core::PassDescription tag_writing(TMP3Info &tags,
                                  const std::function<bool(const std::string &item)> &write) {
    core::PassDescription d;
    d.checked_only = false;
    d.writes_tags = true;
    d.rule = [&tags, write](const core::RuleInput &in) -> std::optional<std::string> {
        if (!write(in.name))
            return std::nullopt;
        // A write that failed is reported with the component's own text, never listed.
        try {
            tags.Save();
        } catch (const platform::IoError &error) {
            throw core::ItemRefused{error.what()};
        }
        if (!tags.Saved())
            throw core::ItemRefused{byte_string(tags.Error())};
        return in.name;
    };
    return d;
}

} // namespace tarvendi::ui
