// A seeded stream of random choices for tests that play at random: the seed and the number of
// the event being played say everything needed to play the same run again.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace korvane::testing {

class RandomStream
{
public:
    RandomStream(std::uint32_t seed, long events)
        : seed_(seed)
        , events_(events)
        , engine_(seed)
    {
    }

    /// The seed and length from KORVANE_RANDOM_SEED and KORVANE_RANDOM_EVENTS, else the defaults.
    static RandomStream FromEnvironment(std::uint32_t defaultSeed, long defaultEvents)
    {
        const char* seed = std::getenv("KORVANE_RANDOM_SEED");
        const char* events = std::getenv("KORVANE_RANDOM_EVENTS");
        return RandomStream(seed && *seed ? static_cast<std::uint32_t>(std::strtoul(seed, nullptr, 10)) : defaultSeed,
                            events && *events ? std::strtol(events, nullptr, 10) : defaultEvents);
    }

    std::uint32_t Seed() const { return seed_; }
    long Events() const { return events_; }
    long EventNo() const { return eventNo_; }  // from 1
    bool Done() const { return eventNo_ >= events_; }
    void NextEvent() { ++eventNo_; }

    /// "seed S, event N", and how to play the run again up to that event.
    std::string Where() const
    {
        const std::string seed = std::to_string(seed_), event = std::to_string(eventNo_);
        return "seed " + seed + ", event " + event + " (replay: KORVANE_RANDOM_SEED=" + seed
            + " KORVANE_RANDOM_EVENTS=" + event + ")";
    }

    /// A number from `low` to `high`, both included.
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(engine_); }
    template <typename T>
    const T& Pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(Int(0, static_cast<int>(items.size()) - 1))];
    }

    /// What a player might type: mostly short words and numbers, now and then separators of the
    /// files, quotes, accented letters and long runs. Never a slash, which could lead a typed name
    /// out of its folder. KORVANE_RANDOM_SMALL_NUMBERS keeps digit runs short, for long runs
    /// past a known fault with huge numbers.
    std::string Text()
    {
        static const std::vector<std::string> kPieces = {
            "a", "Z",  "x",           "0", "1",    "7",  "12", "320", "-1", "99999", " ",        "  ",           ",",
            "'", "\"", ".",           ":", ";",    "|",  "\t", "%",   "&",  "<b>",   "\xC3\xA9", "\xE2\x82\xAC", "..",
            "*", "?",  "Glorforgost", "3", "name", "\\n"};
        std::string text;
        int digits = 0;
        for (int pieces = Chance(0.05) ? Int(50, 300) : Int(0, 6); pieces > 0; --pieces)
            for (const char c : Pick(kPieces))
                if ((digits = c >= '0' && c <= '9' ? digits + 1 : 0) <= 6 || !smallNumbers_)
                    text += c;
        return text;
    }

    /// A number as typed into a box, sometimes out of range or not a number at all.
    std::string Number()
    {
        switch (Int(0, 5)) {
        case 0:
            return std::to_string(Int(-5, 5));
        case 1:
            return std::to_string(Int(0, 400));
        case 2:
            return std::to_string(Int(-100000, 100000));
        case 3:
            return smallNumbers_ ? "999999" : "2147483648";
        case 4:
            return Text();
        default:
            return std::to_string(Int(0, 20));
        }
    }

private:
    static bool Set(const char* variable)
    {
        const char* value = std::getenv(variable);
        return value && *value && *value != '0';
    }

    const bool smallNumbers_ = Set("KORVANE_RANDOM_SMALL_NUMBERS");
    std::uint32_t seed_;
    long events_;
    long eventNo_ = 0;
    std::mt19937 engine_;
};

}  // namespace korvane::testing
