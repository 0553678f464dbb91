// A window driven as a player would, over a fresh program folder and a scripted player.
#pragma once

#include "windows/window_test_helpers.h"
#include "workspace/workspace.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <type_traits>

namespace korvane::testing {

template <class W, class Player = ScriptedInteraction>
class WorkspaceWindowTest : public WindowTest
{
protected:
    using Kind = ScriptedInteraction::Kind;
    using Lines = ::korvane::testing::Lines;

    const QWidget& Window() const override { return *window; }
    /// Opens and shows the window: one of the workspace, or of the program folder alone.
    void Open()
    {
        if constexpr (std::is_constructible_v<W, Workspace&, Player&, QWidget*>)
            window = std::make_unique<W>(workspace, ui, nullptr);
        else
            window = std::make_unique<W>(dir.Path(), ui, nullptr);
        window->show();
    }
    /// What clicking `button` says, each message as "kind: text".
    Lines Said(const char* button)
    {
        static const char* const kKinds[] = {"info", "warning", "error", "question", "question", "identify"};
        ui.shown.clear();
        Click(button);
        Lines said;
        for (const auto& [kind, text] : ui.shown)
            said.push_back(kKinds[static_cast<int>(kind)] + (": " + text));
        return said;
    }
    /// Which of the widgets named are enabled, in the order named.
    QString EnabledOf(std::initializer_list<const char*> names) const
    {
        QStringList enabled;
        for (const char* name : names)
            if (Enabled(name))
                enabled << name;
        return enabled.join(' ');
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(dir.File(name)); }
    /// One error was shown, and it starts with `start` (a file's name, then why).
    void ExpectOneError(const std::string& start) const
    {
        EXPECT_THAT(ui.Texts(Kind::Error), ::testing::ElementsAre(::testing::StartsWith(start)));
    }

    TempDir dir;
    Workspace workspace{dir.Path()};
    Player ui;
    std::unique_ptr<W> window;
};

}  // namespace korvane::testing
