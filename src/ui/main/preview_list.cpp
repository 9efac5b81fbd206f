#include "preview_list.h"

#include "core_text.h"
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
    const core::PlannedRename &line = lines_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return gb_to_qt(texts_.at(line.new_name, line.new_length));
    case Qt::ToolTipRole:
        return core_text(line.reason);
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

void PreviewModel::show_plan(core::Plan &plan) {
    beginResetModel();
    refusals_ = plan.refusals();
    for (core::PlannedRename &r : plan.renames) {
        if (r.full_shown) {
            const std::string shown = plan.shown(r);
            r.new_name = plan.texts.add(shown);
            r.new_length = static_cast<std::uint32_t>(shown.size());
        }
    }
    lines_ = std::move(plan.renames);
    texts_ = std::move(plan.texts);
    endResetModel();
}

void PreviewModel::clear() {
    beginResetModel();
    // Fresh containers hand the memory back; assigning {} would only empty the lines.
    lines_ = decltype(lines_)();
    texts_ = core::TextArena();
    refusals_ = 0;
    endResetModel();
}

} // namespace tarvendi::ui
