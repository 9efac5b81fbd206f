#pragma once
// The column "改名预览": the preview list (ListBox2) with the lines of the last pass, and beside
// its caption the count of renames that would fail (Label26).

#include "plan.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

class QAbstractItemView;
class QLabel;
class QListView;

namespace tarvendi::ui {

class PreviewModel;

class PreviewPanel : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPanel(QWidget *parent = nullptr);

    // Takes the plan's renames and the rules' refusals over (the plan is spent afterwards).
    void show_plan(core::Plan &plan);
    void clear();
    // A line of what an execute or an undo did, beside the caption until the next preview.
    void tell(const QString &text);
    QListView *list() const { return list_; }
    // Scrolls the preview list and working, the list its lines come from, together: either one
    // scrolled shows its top row in the other too, and a fresh preview starts at the rows the
    // working list shows. Called again, it replaces the link; working is not owned.
    void scroll_with(QAbstractItemView *working);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The verdict colours for the palette the list and the label have now.
    void recolour();
    // Shows in to the rows from shows, unless this is the echo of such a move.
    void follow(QAbstractItemView *from, QAbstractItemView *to);

    QListView *list_;
    PreviewModel *model_;
    QLabel *failures_;
    bool counting_ = false; // failures_ shows the count of refusals, in the refusal colour
    QPointer<QAbstractItemView> working_;
    QMetaObject::Connection links_[3];
    bool following_ = false;
};

} // namespace tarvendi::ui
