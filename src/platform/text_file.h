// Writing a whole file so that a failed write never damages the file it replaces,
// and so that the file keeps what it was: its owner, group, mode, other names
// and (on Linux) extended attributes.
#pragma once

#include <string>
#include <string_view>

namespace tessmar {

// What became of a write: error is 0 when the file holds the bytes, otherwise
// the system's error number (errno) of the step that failed.
struct FileWriteResult {
    int error = 0;
    explicit operator bool() const { return error == 0; }
    // The system's words for the error, e.g. "Permission denied"; a few that
    // would not fit a one-line message are said shorter.
    std::string reason() const;
};

// Where the replacement is written before it takes the file's place: a file
// with no name, given one only when it is whole (on Linux, where the file
// system allows; elsewhere a hidden named file), or always a hidden named file.
enum class TemporaryFile { unnamed_where_possible, named };

// Makes the file at path hold exactly bytes. A symbolic link at path is
// followed, so the file it points to is the one written (and created when it
// does not exist yet).
//
// A new file is written whole under a temporary file and then given its name;
// it gets 0666 less the umask (or the folder's default access list).
// An existing file must be one that this process may write, else nothing is
// written. It is replaced in the same way (renamed over) when the replacement
// can carry everything the file had: the same owner, group and mode, its
// extended attributes (on Linux; elsewhere none are copied), and no other
// name. Otherwise (another user's file, a file with hard links, a folder this
// process may not write, attributes that cannot be copied) the file itself is
// overwritten and flushed to disk.
//
// Fails, with nothing on disk changed and no temporary file left, when path
// names a folder or anything else that is not a plain file, when the folder is
// missing, when the file may not be written, or when a write fails (a full
// disk, a file-size limit) on the way to a replacement. A file written in place
// is checked against the file-size limit and for free space first; only a later
// failure (an input/output error, a kill) can leave it part written. A killed
// save can leave a hidden named temporary file (an unnamed one only once it is
// named, just before the rename); a later save of the same name removes those
// whose process has ended.
FileWriteResult replace_file(const std::string& path, std::string_view bytes,
                             TemporaryFile temporary = TemporaryFile::unnamed_where_possible);

}  // namespace tessmar
