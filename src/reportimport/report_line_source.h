// The physical lines of a turn report, with room for one line held back for the next reader.
#pragma once

#include "core/line_reader.h"

#include <string>

namespace korvane {

class ReportLineSource
{
public:
    explicit ReportLineSource(LineReader& file)
        : file_(file)
    {
    }

    bool IsOpen() const { return file_.IsOpen(); }

    /// The held-back line if there is one, else the next line of the file; false at the end.
    bool Read(std::string& line)
    {
        if (ReadAhead(line))
            return true;
        atEnd_ = true;
        return false;
    }

    /// As Read, for a look past the current line (its continuation lines): meeting the end of
    /// the file here does not make AtEnd true, because the current line is still to be handled
    /// (a region header that is the last line of a cut report).
    bool ReadAhead(std::string& line)
    {
        if (held_) {
            line.swap(pending_);
            held_ = false;
            return true;
        }
        return file_.ReadLine(line);
    }

    /// Holds a line back: the next Read gives it again. `line` is taken by exchange (it is
    /// left holding some earlier text): a report has a million lines, and texts swapped keep
    /// their room where texts moved would be allocated again for each one.
    void HoldBack(std::string& line)
    {
        pending_.swap(line);
        held_ = true;
    }

    /// True once a read found no more lines.
    bool AtEnd() const { return atEnd_; }

private:
    LineReader& file_;
    std::string pending_;
    bool held_ = false;
    bool atEnd_ = false;
};

}  // namespace korvane
