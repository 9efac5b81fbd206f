#include "check_list.h"
#include "errors.h"
#include "gb_text.h"
#include "integer.h"
#include "main_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringListModel>

using namespace tarvendi;
using namespace tarvendi::ui;

namespace {

constexpr std::size_t kReportLines = 20;

} // namespace

bool TForm1::directory_mode() const {
    return CheckBox13->isChecked();
}

bool TForm1::sent_by(const QObject *button) const {
    return sender() == button;
}

std::int32_t TForm1::read_number(const QLineEdit *field) const {
    if (const auto value = rules::parse_int(qt_to_gb(field->text())))
        return *value;
    throw platform::ConversionError(field->text().toStdString());
}

std::vector<PassItem> TForm1::working_items() const {
    std::vector<PassItem> items;
    items.reserve(ListBox1->list()->items().size());
    for (const CheckItem &item : ListBox1->list()->items())
        items.push_back({item.text, item.check == Qt::Checked, {}});
    return items;
}

void TForm1::set_preview(const std::vector<std::string> &lines) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string &line : lines)
        shown.push_back(gb_to_qt(line));
    preview_model_->setStringList(shown);
}

void TForm1::clear_preview() {
    preview_model_->setStringList({});
}

void TForm1::run_pass(const PassDescription &description, const std::vector<PassItem> &items,
                      bool execute, Refresh after) {
    clear_preview();
    PassOutcome outcome;
    PassContext context;
    context.directory_mode = directory_mode();
    context.execute = execute;
    std::string last_status;
    bool status_written = false;
    context.status = [&](const std::string &name) {
        last_status = name;
        status_written = true;
    };
    auto finish = [&] {
        set_preview(outcome.preview);
        if (status_written)
            StatusBar1Panel0->setText(gb_to_qt(last_status));
    };
    try {
        run_rename_pass(description, items, context, outcome);
    } catch (...) {
        finish();
        report_refused(outcome.refused);
        throw;
    }
    finish();
    if (after == Refresh::FileList)
        reread_file_list();
    else if (after == Refresh::Full)
        full_refresh();
    report_refused(outcome.refused);
}

void TForm1::report_refused(const std::vector<RefusedRename> &refused) {
    if (refused.empty())
        return;
    QString text = QStringLiteral("以下 %1 个文件没有改名：\n\n").arg(refused.size());
    for (std::size_t i = 0; i < refused.size() && i < kReportLines; ++i) {
        const RefusedRename &r = refused[i];
        text += gb_to_qt(r.source) + QStringLiteral(" → ") + gb_to_qt(r.new_name) +
                QStringLiteral("（") + QString::fromUtf8(r.reason) + QStringLiteral("）\n");
    }
    if (refused.size() > kReportLines)
        text += QStringLiteral("\n另有 %1 个文件没有改名。").arg(refused.size() - kReportLines);
    QMessageBox::warning(this, QStringLiteral("未改名的文件"), text);
}
