#pragma once
// The drive chooser: the roots that make sense on Linux ("/", the home folder, mounted volumes),
// each remembering the last folder visited under it.

#include <QComboBox>
#include <string>
#include <vector>

namespace tarvendi::ui {

class DriveComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveComboBox(QWidget *parent = nullptr);

    // Shows the root that holds folder and remembers folder as that root's last visit.
    void show_folder(const std::string &folder);
    // The folder to go to for the root at index.
    std::string folder_for(int index) const;

signals:
    // The user chose a root; folder is where to go (GB18030).
    void drive_chosen(const std::string &folder);

private:
    int root_index_of(const std::string &folder) const;
    std::vector<std::string> roots_;
    std::vector<std::string> last_;
};

} // namespace tarvendi::ui
