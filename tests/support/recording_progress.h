// A stand-in for the player watching long work: records every step and cancels on cue.
#pragma once

#include "core/progress.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace korvane::testing {

class RecordingProgress : public Progress
{
public:
    struct Shown
    {
        std::int64_t done;
        std::int64_t total;
    };

    /// Answers "cancel" from the `cancelAt`-th step on (counted from 1); 0 never cancels.
    explicit RecordingProgress(int cancelAt = 0)
        : cancelAt_(cancelAt)
    {
    }

    std::vector<Shown> steps;

    bool Step(std::int64_t done, std::int64_t total) override
    {
        steps.push_back({done, total});
        return cancelAt_ == 0 || static_cast<int>(steps.size()) < cancelAt_;
    }

    /// The steps start at 0, never go back, keep one total, and end at that total.
    ::testing::AssertionResult RanFromZeroToTotal() const
    {
        std::string trail;
        bool sound = !steps.empty() && steps.front().done == 0 && steps.back().done == steps.front().total;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            trail += " " + std::to_string(steps[i].done) + "/" + std::to_string(steps[i].total);
            sound = sound && steps[i].total == steps.front().total && (i == 0 || steps[i].done >= steps[i - 1].done);
        }
        return sound ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "steps:" << trail;
    }

private:
    int cancelAt_;
};

}  // namespace korvane::testing
