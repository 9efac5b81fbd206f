#pragma once
// The preview list's model: the lines of the last pass, each with its plan's verdict, shown as
// colour (refusals red, unchanged names grey) and as a tooltip with the reason. It keeps the
// GB18030 lines and decodes only the rows shown.

#include "plan.h"

#include <QAbstractListModel>
#include <QBrush>
#include <QColor>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::ui {

// The text colour of a line with verdict on background: dark red for refusals and grey for
// unchanged names, made lighter on a dark background or darker on a light one (hue kept) just
// until the text reaches a contrast ratio of 4.5:1 (WCAG 2 relative luminance) against it. A
// colour that reaches it already is kept. Invalid for Rename: the view's own text colour.
QColor verdict_colour(core::Verdict verdict, const QColor &background);

class PreviewModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The verdict's word ("rename", "exists", ...), for tests and scripts.
    static constexpr int kVerdictRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Takes the plan's renames over, new names and verdicts, and the rules' refusals
    // (plan.refused) as lines of their own, each at its item's place in the list order: the
    // item's name with the verdict "invalid". The plan is spent afterwards.
    void show_plan(core::Plan &plan);
    void clear();
    // How many of the lines will not be renamed for a reason (unchanged names aside).
    std::size_t refusals() const { return refusals_; }
    // The background the lines are shown on (the view's QPalette::Base): the verdict colours
    // are chosen to be read on it.
    void set_background(const QColor &background);

private:
    // An item that its rule refused: no new name, only the item's name and the rule's reason.
    struct RuleRefusal {
        std::uint32_t item;
        std::uint32_t name; // in texts_
        std::uint32_t length;
        std::string reason; // UTF-8
    };
    // Marks a row of rows_ that is a rule's refusal (the rest is its index in rule_refusals_).
    static constexpr std::uint32_t kRuleRefusal = 0x8000'0000u;

    // Each line's new name is the line as shown, in texts_.
    std::vector<core::PlannedRename> lines_;
    core::TextArena texts_;
    // Almost always empty, and then the rows are the lines in order and cost nothing more.
    std::vector<RuleRefusal> rule_refusals_;
    std::vector<std::uint32_t> rows_; // row to line, only while rule_refusals_ has any
    std::size_t refusals_ = 0;
    QBrush refused_brush_{QColor(0xC0, 0x00, 0x00)};
    QBrush unchanged_brush_{Qt::gray};
};

} // namespace tarvendi::ui
