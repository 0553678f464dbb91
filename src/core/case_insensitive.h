// Comparing and hashing names without regard to ASCII case, for look-ups and look-up tables
// that must not copy the name they are asked for.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

/// ASCII upper and lower case of a byte; other bytes are left alone.
inline char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

/// Case-insensitive comparison over ASCII letters, as name look-ups in the vocabulary use.
inline bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

struct CaseInsensitiveHash
{
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept
    {
        std::size_t hash = 14695981039346656037ull;  // FNV-1a
        for (char c : text) {
            hash ^= static_cast<unsigned char>(AsciiLower(c));
            hash *= 1099511628211ull;
        }
        return hash;
    }
};

struct CaseInsensitiveEqual
{
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept { return SameText(a, b); }
};

}  // namespace korvane
