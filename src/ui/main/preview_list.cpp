#include "preview_list.h"

#include "gb_text.h"

#include <QBrush>
#include <QColor>

namespace tarvendi::ui {

int PreviewModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant PreviewModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Line &line = lines_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return line.text;
    case Qt::ToolTipRole:
        return line.reason;
    case Qt::ForegroundRole:
        if (core::is_refusal(line.verdict))
            return QBrush(QColor(0xC0, 0x00, 0x00));
        if (line.verdict == core::Verdict::Unchanged)
            return QBrush(Qt::gray);
        return {};
    case kVerdictRole: {
        const std::string_view word = core::verdict_word(line.verdict);
        return QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
    }
    default:
        return {};
    }
}

Qt::ItemFlags PreviewModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

void PreviewModel::show_plan(const core::Plan &plan) {
    beginResetModel();
    lines_.clear();
    lines_.reserve(plan.renames.size());
    for (const core::PlannedRename &r : plan.renames)
        lines_.push_back({gb_to_qt(r.shown), r.verdict, QString::fromStdString(r.reason)});
    refusals_ = plan.refusals();
    endResetModel();
}

void PreviewModel::clear() {
    beginResetModel();
    lines_.clear();
    refusals_ = 0;
    endResetModel();
}

} // namespace tarvendi::ui
