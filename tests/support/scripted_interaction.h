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

    void Info(const std::string& text) override { shown.push_back({Kind::Info, text}); }
    void Warning(const std::string& text) override { shown.push_back({Kind::Warning, text}); }
    void Error(const std::string& text) override { shown.push_back({Kind::Error, text}); }
    bool AskYesNo(const std::string& text) override { return Ask(Kind::YesNo, text, yesNoAnswers, defaultYesNo); }
    Answer AskYesNoCancel(const std::string& text) override
    {
        return Ask(Kind::YesNoCancel, text, yesNoCancelAnswers, defaultYesNoCancel);
    }
    bool Identify(const std::string& text) override
    {
        return Ask(Kind::Identify, text, identifyAnswers, defaultIdentify);
    }

    /// The texts shown of one kind, in order.
    std::vector<std::string> Texts(Kind kind) const
    {
        std::vector<std::string> texts;
        for (const auto& s : shown)
            if (s.kind == kind)
                texts.push_back(s.text);
        return texts;
    }

private:
    /// Records the question and gives the script's next answer, or `fallback` when it has run out.
    template <typename T>
    T Ask(Kind kind, const std::string& text, std::deque<T>& script, T fallback)
    {
        shown.push_back({kind, text});
        if (script.empty())
            return fallback;
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

}  // namespace korvane::testing
