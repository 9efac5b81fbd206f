#include "refusal_report.h"

#include "core_text.h"
#include "display_text.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace tarvendi::ui {

namespace {

constexpr std::size_t kReportLines = 20;

// Each refusal is one line, and two different names never look alike.
QString escaped(const std::string &name) {
    return QString::fromStdString(platform::escaped_text(name));
}

} // namespace

QString undo_hint(std::size_t changed) {
    if (changed == 0)
        return {};
    return QCoreApplication::translate("RefusalReport",
                                       "已做的 %1 项改动可用“撤销上次改名”（Ctrl+Z）复原。")
        .arg(changed);
}

void report_refused(QWidget *parent, const std::vector<core::RefusedRename> &refused,
                    std::size_t changed) {
    if (refused.empty())
        return;
    QString text = QCoreApplication::translate("RefusalReport", "以下 %1 个文件没有改名：\n\n")
                       .arg(refused.size());
    for (std::size_t i = 0; i < refused.size() && i < kReportLines; ++i) {
        const core::RefusedRename &r = refused[i];
        text += escaped(r.source) + QStringLiteral(" → ") + escaped(r.new_name) +
                QStringLiteral("（") + core_text(r.reason) + QStringLiteral("）\n");
    }
    if (refused.size() > kReportLines)
        text += QCoreApplication::translate("RefusalReport", "\n另有 %1 个文件没有改名。")
                    .arg(refused.size() - kReportLines);
    if (changed != 0)
        text += QStringLiteral("\n") + undo_hint(changed);
    QMessageBox::warning(parent, QCoreApplication::translate("RefusalReport", "未改名的文件"),
                         text);
}

} // namespace tarvendi::ui
