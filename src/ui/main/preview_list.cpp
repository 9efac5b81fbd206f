#include "preview_list.h"

#include "core_text.h"
#include "gb_text.h"

#include <algorithm>
#include <cmath>

namespace tarvendi::ui {

namespace {

// WCAG 2's floor for normal text.
constexpr double kReadable = 4.5;

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrast(const QColor &a, const QColor &b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// An 8-bit colour of hue and saturation: what a style sheet or a brush ends up showing.
QColor from_hsl(float hue, float saturation, float lightness) {
    return QColor(QColor::fromHslF(hue, saturation, lightness).rgb());
}

// wanted, or the colour of its hue and saturation nearest to it in lightness that reaches the
// ratio on background. Whichever of white and black stands out more from the background shows
// the way, and that end always reaches the ratio (at worst about 4.58:1); luminance grows with
// lightness, so the search halves the distance to it.
QColor readable_on(const QColor &wanted, const QColor &background) {
    if (contrast(wanted, background) >= kReadable)
        return wanted;
    const bool lighter = contrast(Qt::white, background) > contrast(Qt::black, background);
    float hue = 0, saturation = 0, lightness = 0, alpha = 0;
    wanted.toHsl().getHslF(&hue, &saturation, &lightness, &alpha);
    if (hue < 0) // a grey has no hue
        hue = 0;
    float unreadable = lightness;
    float readable = lighter ? 1.0f : 0.0f;
    for (int step = 0; step < 16; ++step) {
        const float middle = (unreadable + readable) / 2;
        if (contrast(from_hsl(hue, saturation, middle), background) >= kReadable)
            readable = middle;
        else
            unreadable = middle;
    }
    return from_hsl(hue, saturation, readable);
}

} // namespace

QColor verdict_colour(core::Verdict verdict, const QColor &background) {
    if (verdict == core::Verdict::Rename)
        return {};
    return readable_on(verdict == core::Verdict::Unchanged ? QColor(Qt::gray)
                                                           : QColor(0xC0, 0x00, 0x00),
                       background);
}

int PreviewModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size() + rule_refusals_.size());
}

QVariant PreviewModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const std::uint32_t at = rows_.empty() ? static_cast<std::uint32_t>(row) : rows_[row];
    core::Verdict verdict;
    std::uint32_t name = 0;
    std::uint32_t length = 0;
    std::string_view reason;
    if (at & kRuleRefusal) {
        const RuleRefusal &refusal = rule_refusals_[at & ~kRuleRefusal];
        verdict = core::Verdict::Invalid;
        name = refusal.name;
        length = refusal.length;
        reason = refusal.reason;
    } else {
        const core::PlannedRename &line = lines_[at];
        verdict = line.verdict;
        name = line.new_name;
        length = line.new_length;
        reason = line.reason;
    }
    switch (role) {
    case Qt::DisplayRole:
        return gb_to_qt(texts_.at(name, length));
    case Qt::ToolTipRole:
        return core_text(reason);
    case Qt::ForegroundRole:
        if (core::is_refusal(verdict))
            return refused_brush_;
        if (verdict == core::Verdict::Unchanged)
            return unchanged_brush_;
        return {};
    case kVerdictRole: {
        const std::string_view word = core::verdict_word(verdict);
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
    refusals_ = plan.refusals() + plan.refused.size();
    for (core::PlannedRename &r : plan.renames) {
        if (r.full_shown) {
            const std::string shown = plan.shown(r);
            r.new_name = plan.texts.add(shown);
            r.new_length = static_cast<std::uint32_t>(shown.size());
        }
    }
    rule_refusals_ = decltype(rule_refusals_)();
    rows_ = decltype(rows_)();
    if (!plan.refused.empty()) {
        rule_refusals_.reserve(plan.refused.size());
        for (core::RefusedRename &r : plan.refused) {
            // The item's name as the list it came from holds it: the line beside it reads alike.
            const std::string_view name = plan.items && r.item < plan.items->size()
                                              ? (*plan.items)[r.item].name
                                              : std::string_view(r.source);
            rule_refusals_.push_back({r.item, plan.texts.add(name),
                                      static_cast<std::uint32_t>(name.size()),
                                      std::move(r.reason)});
        }
        // Both come in list order: merged, each refusal stands before the first later item.
        rows_.reserve(plan.renames.size() + rule_refusals_.size());
        std::size_t next = 0;
        for (std::uint32_t i = 0; i < plan.renames.size(); ++i) {
            for (; next < rule_refusals_.size() && rule_refusals_[next].item < plan.renames[i].item;
                 ++next)
                rows_.push_back(static_cast<std::uint32_t>(next) | kRuleRefusal);
            rows_.push_back(i);
        }
        for (; next < rule_refusals_.size(); ++next)
            rows_.push_back(static_cast<std::uint32_t>(next) | kRuleRefusal);
        plan.refused.clear();
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
    rule_refusals_ = decltype(rule_refusals_)();
    rows_ = decltype(rows_)();
    refusals_ = 0;
    endResetModel();
}

void PreviewModel::set_background(const QColor &background) {
    refused_brush_ = QBrush(verdict_colour(core::Verdict::Invalid, background));
    unchanged_brush_ = QBrush(verdict_colour(core::Verdict::Unchanged, background));
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::ForegroundRole});
}

} // namespace tarvendi::ui
