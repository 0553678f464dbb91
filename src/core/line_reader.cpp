// Line reading with every common line end.
#include "core/line_reader.h"

#include "core/line_break.h"
#include "core/text_lines.h"

namespace korvane {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

LineReader::LineReader(const std::string& path)
    : file_(std::fopen(path.c_str(), "rb"))
    , open_(file_ != nullptr)
    , buffer_(kBufferSize)
    , atEnd_(file_ == nullptr)
{
}

// The whole text stands in the place of a buffer filled once: nothing is ever read after it.
LineReader::LineReader(TextInMemory text)
    : text_(text.Text)
    , open_(true)
    , filled_(text_.size())
    , atEnd_(true)
{
}

LineReader::~LineReader()
{
    if (file_)
        std::fclose(file_);
}

bool LineReader::Refill()
{
    if (atEnd_)
        return false;
    const std::size_t read = std::fread(buffer_.data() + filled_, 1, buffer_.size() - filled_, file_);
    filled_ += read;
    // A read error looks like the end to fread; what came before it is kept but no more is read.
    failed_ = std::ferror(file_) != 0;
    atEnd_ = read == 0 || failed_;
    return read > 0;
}

bool LineReader::ReadLine(std::string& line)
{
    line.clear();
    bool any = false;
    for (;;) {
        const std::string_view buffered(Data() + position_, filled_ - position_);
        const LineBreak found = FindLineBreak(buffered);
        const bool waitForNext = !atEnd_ && found.EndsOnCr(buffered);
        line.append(buffered.data(), found.LineLength);
        if (found.BreakLength > 0 && !waitForNext) {
            position_ += found.LineLength + found.BreakLength;
            ++lineNumber_;
            return true;
        }
        // The line goes on past the buffer: start it afresh, keeping only a CR whose meaning
        // depends on the byte after it.
        any = any || !buffered.empty();
        position_ = 0;
        filled_ = 0;
        if (waitForNext)
            buffer_[filled_++] = '\r';
        if (!Refill() && filled_ == 0) {
            if (!any)
                return false;
            ++lineNumber_;  // a last line without a line end
            return true;
        }
    }
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines)
{
    LineReader reader(path);
    return ReadTextLines(reader, lines);
}

bool ReadTextLines(LineReader& reader, std::vector<std::string>& lines)
{
    lines.clear();
    if (!reader.IsOpen())
        return false;
    std::string line;
    while (reader.ReadLine(line))
        lines.push_back(line);
    if (reader.Failed()) {
        lines.clear();
        return false;
    }
    return true;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    TextLines walk(text);
    for (std::string_view line; walk.Next(line);)
        lines.emplace_back(line);
    return lines;
}

}  // namespace korvane
