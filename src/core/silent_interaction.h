// An interaction for unattended runs (benchmarks, fuzzing): shows nothing and answers every
// question as closing its dialog would.
#pragma once

#include "core/user_interaction.h"

namespace korvane {

class SilentInteraction : public UserInteraction
{
public:
    void Info(const std::string&) override { }
    void Warning(const std::string&) override { }
    void Error(const std::string&) override { }
    bool AskYesNo(const std::string&) override { return false; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::Cancel; }
    bool Identify(const std::string&) override { return false; }
};

}  // namespace korvane
