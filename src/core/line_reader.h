// Reads text line by line, taking CR LF, LF and a lone CR alike as the end of a line.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

/// A text held in memory, to be read by a LineReader as a file's contents would be. The text
/// must outlive the reader.
struct TextInMemory
{
    std::string_view Text;
};

class LineReader
{
public:
    /// Opens `path`; IsOpen() tells whether that worked.
    explicit LineReader(const std::string& path);
    /// Reads a text held in memory by the same line rules; such a reader is always open and
    /// never fails, so loaders can be driven without touching the disk.
    explicit LineReader(TextInMemory text);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool IsOpen() const { return open_; }

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

    /// Where the unread bytes live: the read buffer, or the text held in memory.
    const char* Data() const { return file_ ? buffer_.data() : text_.data(); }

    std::FILE* file_ = nullptr;
    std::string_view text_;
    bool open_ = false;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    long lineNumber_ = 0;
};

/// Every line of a file; false (and no lines) when it cannot be opened or a read fails.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);
/// Every line still to come from `reader`; false (and no lines) when it is not open or a read fails.
bool ReadTextLines(LineReader& reader, std::vector<std::string>& lines);

/// The lines of a text held in memory, by the same rules as LineReader.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace korvane
