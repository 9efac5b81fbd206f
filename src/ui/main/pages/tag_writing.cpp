#include "tag_writing.h"

#include "rule_page.h"

#include <QCoreApplication>

namespace tarvendi::ui {

QString format_question() {
    return RulePage::rename_question(
        QCoreApplication::translate("TagWriting", "是否要按格式添加？"));
}

} // namespace tarvendi::ui
