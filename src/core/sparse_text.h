// SparseText: a text that is almost always empty; SparseTexts: a few such texts of one record
// behind a single pointer. Records kept by the hundred thousand carry such texts; empty, they
// cost a pointer instead of whole strings.
#pragma once

#include "core/compact_text.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace korvane {

using SparseText = CompactText;

template <std::size_t N>
class SparseTexts
{
public:
    SparseTexts() = default;
    SparseTexts(const SparseTexts& other) { *this = other; }
    SparseTexts(SparseTexts&&) noexcept = default;
    SparseTexts& operator=(const SparseTexts& other)
    {
        if (this != &other)
            texts_ = other.texts_ ? std::make_unique<Texts>(*other.texts_) : nullptr;
        return *this;
    }
    SparseTexts& operator=(SparseTexts&&) noexcept = default;

    /// The text at `index` (below N).
    std::string_view Get(std::size_t index) const
    {
        return texts_ ? std::string_view((*texts_)[index]) : std::string_view();
    }
    /// Sets the text at `index` (below N); when every one is empty, they cost a pointer again.
    void Set(std::size_t index, std::string_view text)
    {
        if (!texts_) {
            if (text.empty())
                return;
            texts_ = std::make_unique<Texts>();
        }
        (*texts_)[index].assign(text);
        for (const std::string& held : *texts_) {
            if (!held.empty())
                return;
        }
        texts_.reset();
    }

private:
    using Texts = std::array<std::string, N>;
    std::unique_ptr<Texts> texts_;
};

}  // namespace korvane
