// Readable names and values for parameterised tests. Without them GoogleTest shows a table
// row as its raw bytes and names it by position, which says nothing about the failing case.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace korvane::testing {

/// Text as GoogleTest shows a string: quoted, with control and non-ASCII bytes escaped.
/// Needed for `const char*` fields, which GoogleTest would otherwise show as an address.
inline std::string Quoted(std::string_view text)
{
    return ::testing::PrintToString(std::string(text));
}

/// Name generator for table rows that carry their own `name`.
struct NameField
{
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const
    {
        return std::string(info.param.name);
    }
};

}  // namespace korvane::testing
