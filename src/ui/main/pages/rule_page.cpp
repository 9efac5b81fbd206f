#include "rule_page.h"

#include "messages.h"
#include "pass_host.h"

#include <QPushButton>

namespace tarvendi::ui {

RulePage::RulePage(PassHost &host)
    : host_(host) {}

QString RulePage::rename_question(const QString &question) {
    return tr("\r\r %1\r\r如果预览，请选择 \"否\"  \r\r 可用\"撤销上次改名\"恢复！ \r\r ")
        .arg(question);
}

bool RulePage::has_items(IfEmpty if_empty) {
    if (if_empty == IfEmpty::Run)
        return true;
    return host_.has_items(if_empty == IfEmpty::SelectFirst
                               ? tr("请首先选择需要改名的文件！")
                               : tr("请在界面左边选择需要改名的文件！"));
}

void RulePage::run_rule(const QPushButton *execute_button, const Describe &describe,
                        IfEmpty if_empty) {
    const bool execute = sender() == execute_button;
    host_.act([&] {
        if (!has_items(if_empty))
            return;
        if (const std::optional<core::PassDescription> description = describe())
            host_.run_on_working_list(*description, execute);
    });
}

void RulePage::run_confirmed(const QString &question,
                             const std::function<core::PassDescription()> &describe) {
    host_.act([&] {
        const bool execute = confirm(this, rename_question(question));
        host_.run_on_working_list(describe(), execute, Refresh::FileList);
    });
}

} // namespace tarvendi::ui
