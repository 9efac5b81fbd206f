#pragma once
// Inside the platform layer: the names of the folder listed last, kept while an inotify watch on
// it reports no change, so that the planner's check of the names in use needs no second listing
// of a folder the file list has just read. Only on local file systems, where the watch sees every
// change; the watch starts before the folder is read, so nothing read can have changed unseen.

#include <memory>
#include <string>

namespace tarvendi::platform::folder_names {

// Starts watching disk_folder for a listing about to be read; false when it cannot be kept.
bool watch(const std::string &disk_folder);
// Lets the kept names and their watch go.
void drop();
// Keeps the names (each followed by NUL) of the folder watched last; shared, never copied.
void keep(const std::string &disk_folder, std::shared_ptr<const std::string> names);
// The kept names of disk_folder when nothing changed in it since its watch began, else null.
std::shared_ptr<const std::string> recall(const std::string &disk_folder);

} // namespace tarvendi::platform::folder_names
