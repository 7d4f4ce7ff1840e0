// A fresh folder for tests that write files, removed again afterwards, working
// in a folder for a while, files made old, and a record of everything under a
// folder to tell whether a test changed anything.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

namespace tessmar {

class TempFolder {
public:
    TempFolder()
    {
        std::string name = (std::filesystem::temp_directory_path() / "tessmar-test-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
        path_ = name;
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Works in a folder for as long as it lives, then where it was before.
class WorkingIn {
public:
    explicit WorkingIn(const std::filesystem::path& folder) : before_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    WorkingIn(const WorkingIn&) = delete;
    WorkingIn& operator=(const WorkingIn&) = delete;
    ~WorkingIn() { std::filesystem::current_path(before_); }

private:
    std::filesystem::path before_;
};

inline std::string read_bytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void write_bytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

// Sets the times of a file (a link itself, not followed) to minutes ago; false when that fails.
inline bool make_minutes_old(const std::filesystem::path& file, int minutes)
{
    timespec then{};
    ::clock_gettime(CLOCK_REALTIME, &then);
    then.tv_sec -= static_cast<std::time_t>(minutes) * 60;
    const timespec times[2] = {then, then};
    return ::utimensat(AT_FDCWD, file.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

inline std::filesystem::perms permissions_of(const std::filesystem::path& file)
{
    return std::filesystem::status(file).permissions();
}

// Every entry under root (links not followed): its kind, permission bits and
// content (a file's bytes, a link's target).
inline void add_to_record(const std::filesystem::path& root, const std::filesystem::path& folder,
                          std::map<std::string, std::string>& record)
{
    namespace fs = std::filesystem;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const fs::file_status status = fs::symlink_status(entry.path());
        std::ostringstream line;
        line << static_cast<int>(status.type()) << ' ' << std::oct << static_cast<unsigned>(status.permissions())
             << ' ';
        if (fs::is_symlink(status))
            line << fs::read_symlink(entry.path()).string();
        else if (fs::is_regular_file(status))
            line << read_bytes(entry.path());
        record[entry.path().lexically_relative(root).string()] = line.str();
        if (fs::is_directory(status)) add_to_record(root, entry.path(), record);
    }
}

inline std::map<std::string, std::string> folder_record(const std::filesystem::path& root)
{
    std::map<std::string, std::string> record;
    add_to_record(root, root, record);
    return record;
}

}  // namespace tessmar
