#pragma once
// The file-type filter: (description, mask) pairs kept as one "|"-separated string.

#include <QComboBox>
#include <string>

namespace tarvendi::ui {

class FilterComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit FilterComboBox(QWidget *parent = nullptr);

    // The filters the program offers: for files, or for folders in directory mode (the same
    // masks; only the first entry's description differs).
    static QString standard_filter(bool folders);

    const QString &filter() const { return filter_; }
    // Rebuilds the entries when filter differs from the current string and selects the first;
    // returns whether it did.
    bool set_filter(const QString &filter);
    // GB18030 mask of the selected entry.
    std::string current_mask() const;
    // From now on a key press opens the drop-down list.
    void open_on_typing();

signals:
    // The user chose an entry (the same one as before included).
    void entry_chosen();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString filter_;
    bool open_on_typing_ = false;
};

} // namespace tarvendi::ui
