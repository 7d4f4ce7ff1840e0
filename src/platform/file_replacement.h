// Replacing a whole file so that a failed write leaves the old one as it was,
// and the file keeps its owner, group, mode, links and (on Linux) extended
// attributes. README.md, "What saving keeps", tells how and where it cannot.
#pragma once

#include <string>
#include <string_view>

namespace tessmar {

// What became of a write: error is 0 when the file holds the bytes, otherwise
// the system's error number (errno) of the step that failed.
struct FileWriteResult {
    int error = 0;
    explicit operator bool() const { return error == 0; }
    // The system's words for the error, said shorter where they would not fit a one-line message.
    std::string reason() const;
};

// The replacement is written to a file without a name where the system allows
// it, or always to a hidden named file (the way other systems take).
enum class TemporaryFile { unnamed_where_possible, named };

// Makes the file at path (a symbolic link followed) hold exactly bytes, written whole before it takes the
// old file's place.
FileWriteResult replace_file(const std::string& path, std::string_view bytes,
                             TemporaryFile temporary = TemporaryFile::unnamed_where_possible);

}  // namespace tessmar
