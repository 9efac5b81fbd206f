#pragma once
// A fresh folder under /tmp for one test, removed with everything in it (also what a test left
// without write permission) when the test ends. Names given to its helpers are on-disk (UTF-8
// or raw) names relative to the folder. The current directory is put back too, since many
// tests work inside the folder (enter()). Every test library uses this one helper.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarvendi::testing {

// The names a folder holds, sorted.
inline std::vector<std::string> names_in(const std::string &folder) {
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class TempFolder {
public:
    TempFolder()
        : previous_cwd_(std::filesystem::current_path()) {
        std::string name = "/tmp/tarvendi-test-XXXXXX";
        if (!mkdtemp(name.data()))
            throw std::runtime_error("mkdtemp failed");
        // Under a linked /tmp the current directory reads back resolved; so does this path.
        path_ = std::filesystem::canonical(name).string();
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::current_path(previous_cwd_, ec);
        // A test may leave a folder without write permission, which would keep its entries.
        for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (it->is_directory(ec) && !it->is_symlink(ec))
                ::chmod(it->path().c_str(), 0755);
        }
        ::chmod(path_.c_str(), 0755);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::string &path() const { return path_; }
    std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }
    // Makes the folder the current directory until the test ends.
    void enter() const { std::filesystem::current_path(path_); }

    void file(std::string_view name, std::string_view content = "x") const {
        std::ofstream out(*this / name, std::ios::binary);
        out << content;
        if (!out)
            throw std::runtime_error("cannot write " + std::string(name));
    }
    std::string read(std::string_view name) const {
        std::ifstream in(*this / name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Creates the folder and any missing ones above it.
    void folder(std::string_view name) const { std::filesystem::create_directories(*this / name); }
    // The names the folder holds, sorted.
    std::vector<std::string> names() const { return names_in(path_); }
    bool exists(std::string_view name) const {
        return std::filesystem::exists(std::filesystem::symlink_status(*this / name));
    }
    bool is_folder(std::string_view name) const {
        return std::filesystem::is_directory(std::filesystem::symlink_status(*this / name));
    }
    void make_link(std::string_view target, std::string_view name) const {
        if (::symlink(std::string(target).c_str(), (*this / name).c_str()) != 0)
            throw std::runtime_error("cannot link " + std::string(name));
    }
    void set_mode(std::string_view name, mode_t mode) const {
        if (::chmod((*this / name).c_str(), mode) != 0)
            throw std::runtime_error("cannot chmod " + std::string(name));
    }

private:
    std::filesystem::path previous_cwd_;
    std::string path_;
};

} // namespace tarvendi::testing
