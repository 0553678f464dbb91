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
        // Long runs can keep typed numbers below a million, to get past a known fault with huge ones.
        const char* small = std::getenv("KORVANE_RANDOM_SMALL_NUMBERS");
        smallNumbers_ = small && *small && *small != '0';
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
    /// The number of the event being played, from 1.
    long EventNo() const { return eventNo_; }
    bool Done() const { return eventNo_ >= events_; }
    void NextEvent() { ++eventNo_; }

    /// "seed S, event N", and how to play the run again up to that event.
    std::string Where() const
    {
        return "seed " + std::to_string(seed_) + ", event " + std::to_string(eventNo_)
            + " (replay: KORVANE_RANDOM_SEED=" + std::to_string(seed_)
            + " KORVANE_RANDOM_EVENTS=" + std::to_string(eventNo_) + ")";
    }

    /// A number from `low` to `high`, both included.
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(engine_); }
    template <typename T>
    const T& Pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(Int(0, static_cast<int>(items.size()) - 1))];
    }

    /// What a player might type: mostly short words and numbers, now and then punctuation the
    /// files use as separators, quotes, accented letters and long runs. Never a slash, so that
    /// a typed name cannot lead out of the folder it is taken in.
    std::string Text()
    {
        static const std::vector<std::string> kPieces = {
            "a", "Z",  "x",           "0", "1",    "7",  "12", "320", "-1", "99999", " ",        "  ",           ",",
            "'", "\"", ".",           ":", ";",    "|",  "\t", "%",   "&",  "<b>",   "\xC3\xA9", "\xE2\x82\xAC", "..",
            "*", "?",  "Glorforgost", "3", "name", "\\n"};
        std::string text;
        const int pieces = Chance(0.05) ? Int(50, 300) : Int(0, 6);
        for (int i = 0; i < pieces; ++i)
            text += Pick(kPieces);
        return smallNumbers_ ? ShortDigitRuns(text) : text;
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
    static std::string ShortDigitRuns(const std::string& text)
    {
        std::string shorter;
        int run = 0;
        for (const char c : text) {
            run = c >= '0' && c <= '9' ? run + 1 : 0;
            if (run <= 6)
                shorter += c;
        }
        return shorter;
    }

    bool smallNumbers_ = false;
    std::uint32_t seed_;
    long events_;
    long eventNo_ = 0;
    std::mt19937 engine_;
};

}  // namespace korvane::testing
