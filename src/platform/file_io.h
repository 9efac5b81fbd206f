#pragma once
// An open file for the tag component. Every failure throws IoError after the file is closed
// (the destructor closes it too), so no error leaves a file open; once closed, every further
// call but close() throws IoError(EBADF). Positions and sizes count bytes from the start.

#include "error_reasons.h"

#include <cerrno>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::platform {

class File {
public:
    static constexpr int kNotRegularFile = platform::kNotRegularFile;

    enum class Mode { Read, ReadWrite };

    // Opens an existing regular file (never creates one) without ever waiting; path is GB18030.
    // Throws IoError naming the path: EISDIR for a folder, kNotRegularFile for a FIFO, socket or
    // device.
    File(std::string_view path, Mode mode);
    ~File();
    File(const File &) = delete;
    File &operator=(const File &) = delete;

    std::int64_t size();
    // Positions at offset from the start; a negative offset fails like the system would.
    void seek(std::int64_t offset);
    // Reads exactly n bytes at the current position or throws IoError (a short read is EIO).
    std::string read(std::size_t n);
    // The last n bytes of the file as it was when opened, or nothing when it was shorter. One
    // positioned read: reading the tags of a large folder costs no call beyond the open's.
    std::string read_tail(std::size_t n);
    void write(std::string_view bytes);
    // Cuts the file at the current position.
    void truncate();
    // Closes now and reports a failure of the close itself; closing a closed file does nothing.
    void close();
    // Hands the open descriptor to a library that reads through its own stream and closes it;
    // this File is closed afterwards.
    int release();

private:
    [[noreturn]] void fail(int code);
    // n bytes through read_some(to, count, done), retrying what was cut short; the end of the
    // file before n bytes is EIO.
    template <class ReadSome> std::string read_exactly(std::size_t n, ReadSome read_some);
    int fd_ = -1;
    std::int64_t pos_ = 0;
    std::int64_t size_at_open_ = 0;
    std::string path_; // GB18030, made readable only for an error
};

// The last n bytes of the file at path (GB18030), read without ever waiting, for a reader of
// many files: a regular file costs an open, a seek to n bytes before its end, a read and a close,
// and its size is never asked for. Empty when the file is shorter than n bytes or cannot be read
// from its end (a FIFO, socket or device; a device that seeks may give its bytes). Throws IoError
// naming the path otherwise: ENOENT, EISDIR for a folder, EACCES...
std::string read_file_tail(std::string_view path, std::size_t n);

} // namespace tarvendi::platform
