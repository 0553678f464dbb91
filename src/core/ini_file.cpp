// Sectioned settings file reader and writer.
#include "core/ini_file.h"

#include "core/atomic_file.h"
#include "core/line_reader.h"
#include "core/text_helpers.h"

namespace korvane {

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The name of a "[Section]" line, or false when the line is no section header.
bool SectionName(std::string_view line, std::string_view& name)
{
    line = TrimBlanks(line);
    if (line.empty() || line.front() != '[')
        return false;
    const auto close = line.find(']');
    name = TrimBlanks(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return true;
}

// Splits a "key=value" line; false for comments and lines without "=".
bool KeyAndValue(std::string_view line, std::string_view& key, std::string_view& value)
{
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
        return false;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = TrimBlanks(line.substr(0, equals));
    value = TrimBlanks(line.substr(equals + 1));
    return true;
}

bool IsSectionHeader(std::string_view line)
{
    std::string_view ignored;
    return SectionName(line, ignored);
}

}  // namespace

IniFile::IniFile(std::string fileName)
    : fileName_(std::move(fileName))
{
}

FileResult IniFile::Load()
{
    LineReader reader(fileName_);
    if (Load(reader))
        return FileResult::Done();
    // Nothing to read is no fault: the settings start from their defaults.
    return reader.IsOpen() ? FileResult::Unreadable(fileName_) : FileResult::NotOpened(fileName_).MissingAsDone();
}

bool IniFile::Load(LineReader& reader)
{
    return ReadTextLines(reader, lines_);
}

int IniFile::FindSection(std::string_view section) const
{
    std::string_view name;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (SectionName(lines_[i], name) && SameText(name, section))
            return static_cast<int>(i);
    }
    return -1;
}

int IniFile::FindKey(int sectionLine, std::string_view key) const
{
    std::string_view name;
    std::string_view value;
    for (std::size_t i = static_cast<std::size_t>(sectionLine) + 1; i < lines_.size(); ++i) {
        if (IsSectionHeader(lines_[i]))
            break;
        if (KeyAndValue(lines_[i], name, value) && SameText(name, key))
            return static_cast<int>(i);
    }
    return -1;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const int sectionLine = FindSection(section);
    const int keyLine = sectionLine < 0 ? -1 : FindKey(sectionLine, key);
    if (keyLine < 0)
        return std::string(defaultValue.substr(0, kMaxValueLength));
    std::string_view name;
    std::string_view value;
    KeyAndValue(lines_[static_cast<std::size_t>(keyLine)], name, value);
    return std::string(value.substr(0, kMaxValueLength));
}

bool IniFile::HasKey(std::string_view section, std::string_view key) const
{
    const int sectionLine = FindSection(section);
    return sectionLine >= 0 && FindKey(sectionLine, key) >= 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    std::string line(key);
    line += '=';
    for (char c : value)
        line += (c == '\r' || c == '\n') ? ' ' : c;

    int sectionLine = FindSection(section);
    if (sectionLine < 0) {
        if (!lines_.empty() && !TrimBlanks(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(line);
        return;
    }
    const int keyLine = FindKey(sectionLine, key);
    if (keyLine >= 0) {
        lines_[static_cast<std::size_t>(keyLine)] = line;
        return;
    }
    // After the section's last non-blank line, so blank lines between sections stay between them.
    std::size_t insertAt = static_cast<std::size_t>(sectionLine) + 1;
    for (std::size_t i = insertAt; i < lines_.size() && !IsSectionHeader(lines_[i]); ++i) {
        if (!TrimBlanks(lines_[i]).empty())
            insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

FileResult IniFile::Save() const
{
    std::string contents;
    for (const auto& line : lines_) {
        contents += line;
        contents += "\r\n";
    }
    return AtomicWriteFile(fileName_, contents);
}

}  // namespace korvane
