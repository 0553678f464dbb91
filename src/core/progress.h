// How long work (map bitmaps, exchange files) tells how far it is and learns that the player
// wants it stopped.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace korvane {

class Progress
{
public:
    virtual ~Progress() = default;

    /// `done` of `total` steps are finished; `done` only grows and ends at `total`. False when
    /// the player asked to stop: the work then stops before its next step, keeping what is
    /// complete. After the last step there is nothing left to stop, and the answer is ignored.
    virtual bool Step(std::int64_t done, std::int64_t total) = 0;
};

/// Progress told to a function, for callers whose only answer is a line or two.
class ProgressFunction : public Progress
{
public:
    explicit ProgressFunction(std::function<bool(std::int64_t done, std::int64_t total)> step)
        : step_(std::move(step))
    {
    }
    bool Step(std::int64_t done, std::int64_t total) override { return step_(done, total); }

private:
    std::function<bool(std::int64_t, std::int64_t)> step_;
};

/// Tells `progress`, when there is one, how far the work is. True to carry on.
inline bool ReportProgress(Progress* progress, std::int64_t done, std::int64_t total)
{
    return !progress || progress->Step(done, total);
}

}  // namespace korvane
