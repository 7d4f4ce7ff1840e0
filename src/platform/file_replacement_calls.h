// The system calls of a file replacement that Linux has beyond POSIX, each with
// its POSIX stand-in: file_replacement_linux.cpp or file_replacement_posix.cpp,
// as CMake chooses.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>

namespace tessmar {

// A file without a name in folder, open for writing: its descriptor, or -1 with
// errno set (EOPNOTSUPP, EISDIR or EINVAL where there are no such files).
int open_unnamed_file(const std::string& folder);

// Gives the unnamed file open as fd the name path: 0, or an error.
int link_unnamed_file(int fd, const std::string& path);

// Gives the file open as to exactly the extended attributes of from; false when it cannot.
bool copy_extended_attributes(int from, int to);

// Reserves room on disk for the first size bytes of the open file, which is old_size bytes long, leaving its
// bytes as they are: 0, or ENOSPC or EDQUOT when the disk is too full.
int reserve_space(int fd, off_t old_size, std::size_t size);

}  // namespace tessmar
