#include "tag_writing.h"

#include <QCoreApplication>

namespace tarvendi::ui {

QString format_question() {
    return QCoreApplication::translate("TagWriting",
                                       "\r\r 是否要按格式添加？\r\r如果预览，请选择 \"否\"  \r\r "
                                       "可用\"撤销上次改名\"恢复！ \r\r ");
}

} // namespace tarvendi::ui
