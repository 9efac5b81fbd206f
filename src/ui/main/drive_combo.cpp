#include "drive_combo.h"

#include "filesystem.h"
#include "gb_text.h"

#include <QSignalBlocker>
#include <QStorageInfo>
#include <algorithm>

namespace tarvendi::ui {

DriveComboBox::DriveComboBox(QWidget *parent)
    : QComboBox(parent) {
    roots_.push_back("/");
    roots_.push_back(platform::absolute_path("~"));
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const std::string root = qt_to_gb(volume.rootPath());
        if (std::find(roots_.begin(), roots_.end(), root) == roots_.end())
            roots_.push_back(root);
    }
    last_ = roots_;
    for (const std::string &root : roots_)
        addItem(gb_to_qt(root));
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit drive_chosen(folder_for(index)); });
}

int DriveComboBox::root_index_of(const std::string &folder) const {
    int best = 0;
    std::size_t best_length = 0;
    for (std::size_t i = 0; i < roots_.size(); ++i) {
        const std::string &root = roots_[i];
        const bool inside = folder == root || (folder.starts_with(root) &&
                                               (root == "/" || folder[root.size()] == '/'));
        if (inside && root.size() > best_length) {
            best = static_cast<int>(i);
            best_length = root.size();
        }
    }
    return best;
}

void DriveComboBox::show_folder(const std::string &folder) {
    const int index = root_index_of(folder);
    last_[static_cast<std::size_t>(index)] = folder;
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
}

std::string DriveComboBox::folder_for(int index) const {
    if (index < 0 || index >= static_cast<int>(last_.size()))
        return "/";
    return last_[static_cast<std::size_t>(index)];
}

} // namespace tarvendi::ui
