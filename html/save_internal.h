// The file writer behind SaveBytes, with its write and flush operations
// exchangeable so that a full disk or a failing flush can be simulated.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>

namespace html::detail {

struct FileOps {
    // As write(2): bytes written, or -1 with errno set.
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    // As fsync(2): 0, or -1 with errno set.
    std::function<int(int fd)> fsync;
};

// The operations of the operating system.
FileOps SystemFileOps();

// SaveBytes with the given operations.
void SaveBytesWith(const std::string& path, std::string_view bytes, const FileOps& ops);

}  // namespace html::detail
