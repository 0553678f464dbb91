// A fresh folder per test, removed again afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace korvane::testing {

class TempDir
{
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvane-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

    /// Writes `contents` byte for byte, in folders made as needed, and returns the file's full name.
    std::string Write(std::string_view name, std::string_view contents) const
    {
        const std::string file = File(name);
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ignored);
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }

    /// The whole file, byte for byte ("" when absent).
    std::string Read(std::string_view name) const
    {
        std::ifstream in(File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    /// How many files (temporary ones included) the folder holds.
    std::ptrdiff_t FileCount() const
    {
        return std::distance(std::filesystem::directory_iterator(path_), std::filesystem::directory_iterator());
    }

private:
    std::string path_;
};

}  // namespace korvane::testing
