// Line reading with every common line end.
#include "core/line_reader.h"

#include <cstring>

namespace korvane {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

LineReader::LineReader(const std::string& path)
    : file_(std::fopen(path.c_str(), "rb"))
    , buffer_(kBufferSize)
{
}

LineReader::~LineReader()
{
    if (file_)
        std::fclose(file_);
}

int LineReader::NextByte()
{
    if (position_ == filled_) {
        if (!file_)
            return EOF;
        filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
        position_ = 0;
        if (filled_ == 0)
            return EOF;
    }
    return static_cast<unsigned char>(buffer_[position_++]);
}

bool LineReader::ReadLine(std::string& line)
{
    line.clear();
    bool any = false;
    for (;;) {
        if (position_ == filled_) {
            if (!file_)
                break;
            filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
            position_ = 0;
            if (filled_ == 0)
                break;
        }
        any = true;
        // Copy the run up to the next line end in one go.
        const char* start = buffer_.data() + position_;
        const std::size_t left = filled_ - position_;
        const void* newline = std::memchr(start, '\n', left);
        std::size_t run = newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) : left;
        if (const void* cr = std::memchr(start, '\r', run))
            run = static_cast<std::size_t>(static_cast<const char*>(cr) - start);
        line.append(start, run);
        position_ += run;
        if (run == left)
            continue;  // the line goes on in the next fill
        const char end = buffer_[position_++];
        if (end == '\r') {
            const int next = NextByte();
            if (next != '\n' && next != EOF)
                --position_;  // a lone CR: the byte after it starts the next line
        }
        ++lineNumber_;
        return true;
    }
    if (!any)
        return false;
    ++lineNumber_;  // a last line without a line end
    return true;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines)
{
    lines.clear();
    LineReader reader(path);
    if (!reader.IsOpen())
        return false;
    std::string line;
    while (reader.ReadLine(line))
        lines.push_back(line);
    return true;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

}  // namespace korvane
