#pragma once
// A small disk image of a USB stick or a camera card, formatted and mounted through FUSE as
// older systems, players and NAS boxes mount them (exfat-fuse on a loop device, fusefat on the
// file), for one test; unmounted and removed when the test ends. Mounting needs root, /dev/fuse
// and the Debian packages exfat-fuse, exfatprogs, fusefat and dosfstools: where any is missing,
// mounted() is false and why() says what, for the test to skip with.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace tarvendi::testing {

enum class ImageFormat { Exfat, Fat };

class RemovableImage {
public:
    explicit RemovableImage(ImageFormat format) {
        std::string base = "/tmp/tarvendi-image-XXXXXX";
        if (!mkdtemp(base.data()))
            throw std::runtime_error("mkdtemp failed");
        base_ = base;
        image_ = base_ + "/card.img";
        mount_point_ = base_ + "/card";
        std::filesystem::create_directory(mount_point_);
        if (::geteuid() != 0) {
            why_ = "mounting an image needs root";
            return;
        }
        if (::access("/dev/fuse", R_OK | W_OK) != 0) {
            why_ = "no /dev/fuse";
            return;
        }
        if (!run("truncate -s 64M '" + image_ + "'")) {
            why_ = "cannot make an image file";
            return;
        }
        if (format == ImageFormat::Exfat) {
            // exfat-fuse takes only a block device.
            if (!run("mkfs.exfat '" + image_ + "'")) {
                why_ = "mkfs.exfat failed (package exfatprogs)";
                return;
            }
            loop_ = output("losetup -f --show '" + image_ + "'");
            if (loop_.empty()) {
                why_ = "no free loop device";
                return;
            }
            if (!run("mount.exfat-fuse '" + loop_ + "' '" + mount_point_ + "'"))
                why_ = "mount.exfat-fuse failed (package exfat-fuse)";
        } else {
            if (!run("mkfs.vfat '" + image_ + "'")) {
                why_ = "mkfs.vfat failed (package dosfstools)";
                return;
            }
            if (!run("fusefat -o rw+ '" + image_ + "' '" + mount_point_ + "'"))
                why_ = "fusefat failed (package fusefat)";
        }
        mounted_ = why_.empty();
    }
    ~RemovableImage() {
        std::error_code ec;
        std::filesystem::current_path("/", ec);
        if (mounted_ && !run("fusermount -u '" + mount_point_ + "'"))
            ::umount2(mount_point_.c_str(), MNT_DETACH);
        if (!loop_.empty())
            run("losetup -d '" + loop_ + "'");
        std::filesystem::remove_all(base_, ec);
    }
    RemovableImage(const RemovableImage &) = delete;
    RemovableImage &operator=(const RemovableImage &) = delete;

    bool mounted() const { return mounted_; }
    const std::string &why() const { return why_; }
    // The mounted file system's root.
    const std::string &path() const { return mount_point_; }
    std::string operator/(const std::string &name) const { return mount_point_ + "/" + name; }

private:
    static bool run(const std::string &command) {
        return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
    }
    static std::string output(const std::string &command) {
        std::string text;
        if (std::FILE *pipe = ::popen((command + " 2>/dev/null").c_str(), "r")) {
            char buffer[256];
            while (std::fgets(buffer, sizeof buffer, pipe))
                text += buffer;
            ::pclose(pipe);
        }
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        return text;
    }

    std::string base_;
    std::string image_;
    std::string mount_point_;
    std::string loop_;
    std::string why_;
    bool mounted_ = false;
};

} // namespace tarvendi::testing
