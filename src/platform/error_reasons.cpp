#include "error_reasons.h"

#include <cerrno>
#include <charconv>
#include <map>
#include <mutex>

namespace tarvendi::platform {

namespace {

struct Entry {
    int code;
    ErrorWords words;
};

// The errors a rename, a listing, a tag or a journal write can meet, in the words of a user who
// wants to know what to do about them.
constexpr Entry kWords[] = {
    {kNotRegularFile, {"不是普通文件", "not a regular file"}},
    {ENOENT, {"找不到文件", "file not found"}},
    {EEXIST, {"目标已存在", "name already taken"}},
    {EACCES, {"没有权限", "permission denied"}},
    {EPERM, {"不允许此操作", "operation not permitted"}},
    {EROFS, {"文件系统只读", "read-only file system"}},
    {EBUSY, {"文件或文件夹正被使用", "file or folder in use"}},
    {EINVAL, {"名称或操作无效", "invalid name or operation"}},
    {EXDEV, {"不能跨文件系统移动", "cannot move to another file system"}},
    {ENAMETOOLONG, {"名称过长", "name too long"}},
    {ENOSPC, {"磁盘空间不足", "no space left on the disk"}},
    {EDQUOT, {"超出磁盘配额", "disk quota exceeded"}},
    {EIO, {"磁盘读写出错", "disk read or write error"}},
    {ELOOP, {"符号链接层数过多", "too many levels of symbolic links"}},
    {ENOTDIR, {"路径中有一部分不是文件夹", "a part of the path is not a folder"}},
    {EISDIR, {"这是一个文件夹", "is a folder"}},
    {ENOTEMPTY, {"目标文件夹不是空的", "target folder is not empty"}},
    {ETXTBSY, {"程序文件正在运行", "program file is running"}},
    {EMLINK, {"链接或子文件夹过多", "too many links or sub-folders"}},
    {EFBIG, {"文件过大", "file too large"}},
    {EOVERFLOW, {"文件过大", "file too large"}},
    {EILSEQ, {"名称无法转换编码", "name cannot be converted to the disk encoding"}},
    {EOPNOTSUPP, {"此文件系统不支持该操作", "this file system does not support that"}},
    {ENOSYS, {"此文件系统不支持该操作", "this file system does not support that"}},
    {ENXIO, {"设备不存在", "no such device"}},
    {ENODEV, {"设备不存在", "no such device"}},
    {ENOMEM, {"内存不足", "out of memory"}},
    {EMFILE, {"打开的文件过多", "too many open files"}},
    {ENFILE, {"打开的文件过多", "too many open files"}},
    {EAGAIN, {"资源暂时不可用，请重试", "resource temporarily unavailable, try again"}},
    {EINTR, {"操作被中断", "interrupted"}},
    {EPIPE, {"读取的一方已关闭", "the reading side was closed"}},
    {EBADF, {"文件已关闭", "file already closed"}},
    {ESTALE, {"网络文件已失效", "stale network file handle"}},
    {ENOTCONN, {"与存储的连接已断开", "connection to the storage was lost"}},
    {ETIMEDOUT, {"存储没有应答", "the storage did not answer"}},
    {EHOSTDOWN, {"存储没有应答", "the storage did not answer"}},
    {ECONNABORTED, {"与存储的连接已断开", "connection to the storage was lost"}},
};

constexpr std::string_view kUnknownChinese = "系统错误 ";
constexpr std::string_view kUnknownEnglish = "system error ";

} // namespace

ErrorWords error_words(int code) {
    for (const Entry &entry : kWords)
        if (entry.code == code)
            return entry.words;
    return {};
}

std::string_view error_reason(int code) {
    const ErrorWords words = error_words(code);
    if (!words.chinese.empty())
        return words.chinese;
    // Made once per code and kept: a map's strings never move.
    static std::mutex mutex;
    static std::map<int, std::string> made;
    const std::lock_guard lock(mutex);
    std::string &text = made[code];
    if (text.empty())
        text.append(kUnknownChinese).append(std::to_string(code));
    return text;
}

std::string english_error_reason(std::string_view text) {
    for (const Entry &entry : kWords)
        if (entry.words.chinese == text)
            return std::string(entry.words.english);
    if (!text.starts_with(kUnknownChinese))
        return {};
    const std::string_view digits = text.substr(kUnknownChinese.size());
    int code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty())
        return {};
    std::string english(kUnknownEnglish);
    english += digits;
    return english;
}

} // namespace tarvendi::platform
