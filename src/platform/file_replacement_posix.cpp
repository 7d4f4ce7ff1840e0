// A file replacement's calls on a system that has only POSIX's: no unnamed
// files and no extended attributes, and space reserved with posix_fallocate
// where the system has it.
#include "platform/file_replacement_calls.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tessmar {

int open_unnamed_file(const std::string&)
{
    errno = EOPNOTSUPP;
    return -1;
}

int link_unnamed_file(int, const std::string&) { return EOPNOTSUPP; }

// POSIX has no calls for extended attributes: none are copied.
bool copy_extended_attributes(int, int) { return true; }

int reserve_space([[maybe_unused]] int fd, [[maybe_unused]] off_t old_size, std::size_t size)
{
    if (size == 0) return 0;
#if defined(_POSIX_ADVISORY_INFO) && _POSIX_ADVISORY_INFO > 0
    // posix_fallocate lengthens a shorter file to size, with zeros; one that
    // fails may have done part of that, which is taken back.
    const int error = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
    if (error == ENOSPC || error == EDQUOT) {
        struct stat now {};
        if (::fstat(fd, &now) == 0 && now.st_size != old_size && ::ftruncate(fd, old_size) != 0)
            return errno;  // the file stays lengthened
        return error;
    }
#endif
    return 0;
}

}  // namespace tessmar
