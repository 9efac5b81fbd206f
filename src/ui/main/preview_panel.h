#pragma once
// The column "改名预览": the preview list (ListBox2) with the lines of the last pass, and beside
// its caption the count of renames that would fail (Label26).

#include "plan.h"

#include <QWidget>

class QLabel;
class QListView;

namespace tarvendi::ui {

class PreviewModel;

class PreviewPanel : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPanel(QWidget *parent = nullptr);

    // Takes the plan's renames over (the plan is spent afterwards).
    void show_plan(core::Plan &plan);
    void clear();
    // A line of what an execute or an undo did, beside the caption until the next preview.
    void tell(const QString &text);
    QListView *list() const { return list_; }

private:
    QListView *list_;
    PreviewModel *model_;
    QLabel *failures_;
};

} // namespace tarvendi::ui
