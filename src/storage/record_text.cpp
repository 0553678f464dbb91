// Header lines, line ends and whole-file replacement for the record files.
#include "storage/record_text.h"

#include "core/atomic_file.h"
#include "core/text_helpers.h"
#include "core/version.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace korvane {

namespace {

constexpr std::string_view kHeaderWord = "VERSION";

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::string RecordHeaderLine()
{
    return std::string(kHeaderWord) + "," + FormatTwoDecimals(kFormatVersion);
}

bool IsRecordHeader(std::string_view line)
{
    return UpperCase(line.substr(0, kHeaderWord.size())) == kHeaderWord;
}

void AppendLine(std::string& text, std::string_view line)
{
    text += line;
    text += "\r\n";
}

std::string OneLine(std::string_view text)
{
    return ReplaceCharSet(text, MakeCharSet("\r\n"), ' ');
}

bool IsPlainFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

FileResult ReadWholeFile(const std::string& path, std::string& contents)
{
    if (!IsPlainFile(path))
        return FileResult::NotOpened(path);
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return FileResult::NotOpened(path);
    // Room for the whole file at once: grown step by step, a file of many megabytes is
    // copied again and again and held twice while it is.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error)
        contents.reserve(contents.size() + static_cast<std::size_t>(size));
    char buffer[64 * 1024];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        contents.append(buffer, got);
    return std::ferror(file.get()) == 0 ? FileResult::Done() : FileResult::Unreadable(path);
}

FileResult WriteTextFile(const std::string& fileName, std::string_view lines, bool append)
{
    if (!append)
        return AtomicWriteFile(fileName, lines);
    std::string contents;
    // Never replace a file we could not read in full: that would drop what it held.
    if (const FileResult read = ReadWholeFile(fileName, contents); !read && !read.Missing)
        return FileResult::Failed(fileName, "it could not be read, so nothing was added to it");
    if (!contents.empty() && contents.back() != '\n' && contents.back() != '\r')
        contents += "\r\n";
    contents += lines;
    return AtomicWriteFile(fileName, contents);
}

}  // namespace korvane
