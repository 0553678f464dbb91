// The physical lines of a turn report, with room for one line held back for the next reader.
#pragma once

#include "core/line_reader.h"

#include <optional>
#include <string>

namespace korvane {

class ReportLineSource
{
public:
    explicit ReportLineSource(const std::string& fileName) : file_(fileName) {}

    bool IsOpen() const { return file_.IsOpen(); }

    /// The held-back line if there is one, else the next line of the file; false at the end.
    bool Read(std::string& line)
    {
        if (pending_) {
            line = std::move(*pending_);
            pending_.reset();
            return true;
        }
        if (file_.ReadLine(line))
            return true;
        atEnd_ = true;
        return false;
    }

    /// Holds a line back: the next Read gives it again.
    void HoldBack(std::string line) { pending_ = std::move(line); }
    void DropHeldBack() { pending_.reset(); }

    /// True once a read found no more lines.
    bool AtEnd() const { return atEnd_; }

private:
    LineReader file_;
    std::optional<std::string> pending_;
    bool atEnd_ = false;
};

}  // namespace korvane
