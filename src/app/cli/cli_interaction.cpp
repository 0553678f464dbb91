// Command-line messages and question policies.
#include "app/cli/cli_interaction.h"

#include <ostream>

namespace korvane {

namespace {

// Messages may hold line breaks (a CR between sentences); print them as separate lines.
std::string Lines(const std::string& text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            result += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

const char* AnswerText(Answer answer)
{
    switch (answer) {
    case Answer::Yes:
        return "yes";
    case Answer::No:
        return "no";
    case Answer::Cancel:
        break;
    }
    return "cancel";
}

}  // namespace

CliInteraction::CliInteraction(std::ostream& out, std::ostream& err)
    : out_(out)
    , err_(err)
{
}

void CliInteraction::Info(const std::string& text)
{
    out_ << Lines(text) << '\n';
}

void CliInteraction::Warning(const std::string& text)
{
    err_ << "warning: " << Lines(text) << '\n';
}

void CliInteraction::Error(const std::string& text)
{
    err_ << "error: " << Lines(text) << '\n';
}

bool CliInteraction::AskYesNo(const std::string& text)
{
    err_ << Lines(text) << " -> " << (yesNoAnswer ? "yes" : "no") << '\n';
    return yesNoAnswer;
}

Answer CliInteraction::AskYesNoCancel(const std::string& text)
{
    err_ << Lines(text) << " -> " << AnswerText(yesNoCancelAnswer) << '\n';
    return yesNoCancelAnswer;
}

bool CliInteraction::Identify(const std::string& objectText)
{
    err_ << "new object " << objectText << " taken as " << (identifyAsTroop ? "troop" : "item") << '\n';
    return identifyAsTroop;
}

}  // namespace korvane
