// SparseText: a text that is almost always empty, held behind one pointer. Records kept by the
// hundred thousand carry such texts; empty, one costs a pointer instead of a whole string.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace korvane {

class SparseText
{
public:
    SparseText() = default;
    SparseText(std::string_view text) { *this = text; }  // NOLINT: reads and writes as a text
    SparseText(const SparseText& other)
        : SparseText(other.View())
    {
    }
    SparseText(SparseText&&) noexcept = default;
    SparseText& operator=(const SparseText& other)
    {
        if (this != &other)
            *this = other.View();
        return *this;
    }
    SparseText& operator=(SparseText&&) noexcept = default;

    SparseText& operator=(std::string_view text)
    {
        if (text.empty())
            text_.reset();
        else if (text_)
            text_->assign(text);
        else
            text_ = std::make_unique<std::string>(text);
        return *this;
    }

    std::string_view View() const { return text_ ? std::string_view(*text_) : std::string_view(); }
    operator std::string_view() const { return View(); }  // NOLINT: reads as a text
    std::string Str() const { return std::string(View()); }
    bool empty() const { return !text_ || text_->empty(); }
    std::size_t size() const { return text_ ? text_->size() : 0; }

    friend bool operator==(const SparseText& a, std::string_view b) { return a.View() == b; }

private:
    std::unique_ptr<std::string> text_;
};

}  // namespace korvane
