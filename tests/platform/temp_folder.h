#pragma once
// A fresh folder under /tmp for one test, removed with everything in it when the test ends.
// Names given to its helpers are on-disk (UTF-8 or raw) names relative to the folder. The
// current directory is put back too, since several tests work inside the folder.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvendi::platform::testing {

class TempFolder {
public:
    TempFolder()
        : previous_cwd_(std::filesystem::current_path()) {
        std::string name = "/tmp/tarvendi-platform-XXXXXX";
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

    void write(std::string_view name, std::string_view content) const {
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
    void make_folder(std::string_view name) const {
        if (::mkdir((*this / name).c_str(), 0755) != 0)
            throw std::runtime_error("cannot create " + std::string(name));
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

} // namespace tarvendi::platform::testing
