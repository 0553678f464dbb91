// Collects the lines of a text file and writes them, CR LF ended, as one atomic replacement.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

class TextFileWriter
{
public:
    explicit TextFileWriter(std::string path) : path_(std::move(path)) {}

    void WriteLine(std::string_view line)
    {
        contents_ += line;
        contents_ += "\r\n";
    }

    /// Replaces the file with the lines written so far; false (old file kept) on failure.
    bool Commit();

    const std::string& Path() const { return path_; }
    const std::string& LastError() const { return error_; }

private:
    std::string path_;
    std::string contents_;
    std::string error_;
};

}  // namespace korvane
