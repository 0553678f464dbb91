// The damaged lines a reader skipped, told to the player once at the end.
#pragma once

#include <string>

namespace korvane {

class UserInteraction;

class DamagedLines
{
public:
    void Add(long lineNumber)
    {
        if (count_++ == 0)
            first_ = lineNumber;
    }

    /// Nothing when no line was skipped; else one warning with the count and the first line.
    /// `what` names the file, and may say what made a line damaged.
    void Report(const std::string& what, UserInteraction& ui) const;

private:
    long count_ = 0;
    long first_ = 0;
};

}  // namespace korvane
