// The one way logic talks to the player: messages, questions and the object-identification
// choice. The GUI answers with dialogs, the command line with its policies, tests with a script.
#pragma once

#include <string>

namespace korvane {

enum class Answer { Yes, No, Cancel };

class UserInteraction
{
public:
    virtual ~UserInteraction() = default;

    virtual void Info(const std::string& text) = 0;
    virtual void Warning(const std::string& text) = 0;
    virtual void Error(const std::string& text) = 0;

    /// A question with the buttons Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    /// A question with the buttons Yes, No and Cancel.
    virtual Answer AskYesNoCancel(const std::string& text) = 0;

    /// Asks whether a newly met object code is a troop or creature (true) or an item (false).
    /// `objectText` is what the report calls it, e.g. "wolves [WOLF]".
    virtual bool Identify(const std::string& objectText) = 0;

    /// Lets the window system handle what is waiting (painting, input) during a long loop.
    /// Returns whether a message was handled; headless front ends have none.
    virtual bool ProcessPendingMessages() { return false; }
};

}  // namespace korvane
