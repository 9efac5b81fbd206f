#pragma once
// The folder list: the levels from the root down to the current folder, then the current
// folder's sub-folders. A click only highlights; a double click or Enter opens.

#include <QListWidget>
#include <string>

namespace tarvendi::ui {

class DirectoryListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryListBox(QWidget *parent = nullptr);

    // Absolute GB18030 path, no trailing "/" except at the root.
    const std::string &current() const { return current_; }
    // Moves to folder and re-reads the tree (no check that it exists).
    void set_current(const std::string &folder);
    // Reads the tree again for the current folder.
    void rebuild();

signals:
    // The user asked to open the folder (GB18030 path).
    void open_requested(const std::string &folder);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void open_item(QListWidgetItem *item);
    std::string current_;
};

} // namespace tarvendi::ui
