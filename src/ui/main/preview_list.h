#pragma once
// The preview list's model: the lines of the last pass, each with its plan's verdict, shown as
// colour (refusals red, unchanged names grey) and as a tooltip with the reason. It keeps the
// GB18030 lines and decodes only the rows shown.

#include "plan.h"

#include <QAbstractListModel>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::ui {

class PreviewModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The verdict's word ("rename", "exists", ...), for tests and scripts.
    static constexpr int kVerdictRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Takes the plan's renames over, new names and verdicts (the plan is spent afterwards).
    void show_plan(core::Plan &plan);
    void clear();
    // How many of the lines will not be renamed for a reason (unchanged names aside).
    std::size_t refusals() const { return refusals_; }

private:
    // Each line's new name is the line as shown, in texts_.
    std::vector<core::PlannedRename> lines_;
    core::TextArena texts_;
    std::size_t refusals_ = 0;
};

} // namespace tarvendi::ui
