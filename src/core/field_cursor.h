// The fields of one stored record line: splitting a line at its separator, and a cursor that
// reads the fields in order, taking only those that are there.
#pragma once

#include "core/text_helpers.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

/// Replaces `fields` with views of the pieces of `line` between separators, split exactly as
/// SplitString splits: a trailing separator gives an empty last field and an empty line none.
/// The views point into `line`; a vector kept between lines is reused without allocating.
void SplitFields(std::string_view line, std::string_view separator, std::vector<std::string_view>& fields);

// Stored files are read leniently: a missing field reads as empty (or a given fallback), and
// a count on the line only bounds what is taken, never what is assumed to be there.
class FieldCursor
{
public:
    explicit FieldCursor(const std::vector<std::string_view>& fields, std::size_t start = 0)
        : fields_(fields)
        , next_(start)
    {
    }

    /// Whether at least `count` more fields remain.
    bool Has(std::size_t count = 1) const { return next_ + count <= fields_.size(); }

    /// The next field as it stands, or an empty view when none remains.
    std::string_view Field() { return Has() ? fields_[next_++] : std::string_view(); }

    /// The next field read with StrToIntLenient, or `absent` when none remains.
    std::int32_t Number(std::int32_t absent = 0) { return Has() ? StrToIntLenient(fields_[next_++]) : absent; }

    /// The next field as a string, or `absent` when none remains.
    std::string Text(std::string_view absent = {}) { return std::string(Has() ? fields_[next_++] : absent); }

    /// Passes over up to `count` fields.
    void Skip(std::size_t count = 1) { next_ = Has(count) ? next_ + count : fields_.size(); }

    /// Reads a count, then calls `read()` once per entry of `width` (at least 1) fields, up to
    /// that many entries and only while a whole entry remains. `read` takes the entry's fields
    /// from this cursor. Nothing is read when not even the count is there.
    template <typename Read>
    void Entries(std::size_t width, Read&& read)
    {
        if (!Has())
            return;
        const std::int32_t count = Number();
        for (std::int32_t i = 0; i < count && Has(width); ++i)
            read();
    }

private:
    const std::vector<std::string_view>& fields_;
    std::size_t next_;
};

}  // namespace korvane
