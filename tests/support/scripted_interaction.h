// A scripted stand-in for the player: records every message and question, answers from a script.
#pragma once

#include "core/user_interaction.h"

#include <deque>
#include <string>
#include <vector>

namespace korvane::testing {

class ScriptedInteraction : public UserInteraction
{
public:
    enum class Kind { Info, Warning, Error, YesNo, YesNoCancel, Identify };

    struct Shown
    {
        Kind kind;
        std::string text;
    };

    // Answers given in order; when a script runs out, the defaults below answer.
    std::deque<bool> yesNoAnswers;
    std::deque<Answer> yesNoCancelAnswers;
    std::deque<bool> identifyAnswers;
    bool defaultYesNo = false;
    Answer defaultYesNoCancel = Answer::Cancel;
    bool defaultIdentify = false;  // closing the dialog makes an item

    std::vector<Shown> shown;
    int pendingMessageCalls = 0;

    void Info(const std::string& text) override { shown.push_back({Kind::Info, text}); }
    void Warning(const std::string& text) override { shown.push_back({Kind::Warning, text}); }
    void Error(const std::string& text) override { shown.push_back({Kind::Error, text}); }

    bool AskYesNo(const std::string& text) override
    {
        shown.push_back({Kind::YesNo, text});
        return Next(yesNoAnswers, defaultYesNo);
    }

    Answer AskYesNoCancel(const std::string& text) override
    {
        shown.push_back({Kind::YesNoCancel, text});
        return Next(yesNoCancelAnswers, defaultYesNoCancel);
    }

    bool Identify(const std::string& objectText) override
    {
        shown.push_back({Kind::Identify, objectText});
        return Next(identifyAnswers, defaultIdentify);
    }

    bool ProcessPendingMessages() override
    {
        ++pendingMessageCalls;
        return false;
    }

    /// The texts shown of one kind, in order.
    std::vector<std::string> Texts(Kind kind) const
    {
        std::vector<std::string> texts;
        for (const auto& s : shown) {
            if (s.kind == kind)
                texts.push_back(s.text);
        }
        return texts;
    }

private:
    template <typename T>
    static T Next(std::deque<T>& script, T fallback)
    {
        if (script.empty())
            return fallback;
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

}  // namespace korvane::testing
