// Reads text line by line, taking CR LF, LF and a lone CR alike as the end of a line.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class LineReader
{
public:
    /// Opens `path`; IsOpen() tells whether that worked.
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool IsOpen() const { return file_ != nullptr; }

    /// The next line without its line end; false at the end of the file or after a read
    /// error. A last line without a line end is still a line; a file ending in a line end has
    /// no empty last line.
    bool ReadLine(std::string& line);

    /// True when reading stopped at a read error rather than the end of the file: what was
    /// read is then only part of the file, and the file must count as unreadable.
    bool Failed() const { return failed_; }

    /// Number of the line last read, from 1.
    long LineNumber() const { return lineNumber_; }

private:
    /// Reads more of the file after what the buffer holds; false when nothing more came.
    bool Refill();

    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    long lineNumber_ = 0;
};

/// Every line of a file; false (and no lines) when it cannot be opened or a read fails.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);

/// The lines of a text held in memory, by the same rules as LineReader.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace korvane
