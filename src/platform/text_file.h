// Writing a whole file so that a failed write never damages the file it replaces.
#pragma once

#include <string>
#include <string_view>

namespace tessmar {

// Makes the file at path hold exactly bytes. The bytes go to a temporary file in
// the same folder, which is flushed to disk, closed and then renamed over path.
// A symbolic link at path is followed, so the file it points to is the one
// replaced (and created when it does not exist yet). A replaced file keeps its
// permission bits; a new one gets 0666 less the umask.
// Returns false when the file could not be written, or when path names a folder
// or anything else that is not a plain file; then nothing on disk has changed
// and no temporary file remains.
bool replace_file(const std::string& path, std::string_view bytes);

}  // namespace tessmar
