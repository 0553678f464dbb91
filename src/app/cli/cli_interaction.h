// The command line's answer to messages and questions: messages are printed, questions are
// answered by the policies the command's options chose.
#pragma once

#include "core/user_interaction.h"

#include <iosfwd>

namespace korvane {

class CliInteraction : public UserInteraction
{
public:
    CliInteraction(std::ostream& out, std::ostream& err);

    void Info(const std::string& text) override;
    void Warning(const std::string& text) override;
    void Error(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    bool Identify(const std::string& objectText) override;

    // Policies; a question is printed with the answer given.
    bool yesNoAnswer = false;
    Answer yesNoCancelAnswer = Answer::Cancel;
    bool identifyAsTroop = false;  // as closing the dialog does: an item

private:
    std::ostream& out_;
    std::ostream& err_;
};

}  // namespace korvane
