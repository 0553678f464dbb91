// SparseLines: lines of text that most records lack (a unit's orders: only the player's own
// units have any), held behind one pointer. Read as a std::vector of the lines.
#pragma once

#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace korvane {

class SparseLines
{
public:
    using Lines = std::vector<std::string>;
    using value_type = std::string;
    using iterator = Lines::const_iterator;
    using const_iterator = Lines::const_iterator;

    SparseLines() = default;
    SparseLines(const SparseLines& other) { *this = other; }
    SparseLines(SparseLines&&) noexcept = default;
    SparseLines& operator=(const SparseLines& other)
    {
        if (this != &other)
            *this = other.View();
        return *this;
    }
    SparseLines& operator=(SparseLines&&) noexcept = default;
    SparseLines& operator=(Lines lines)
    {
        if (lines.empty())
            lines_.reset();
        else if (lines_)
            *lines_ = std::move(lines);
        else
            lines_ = std::make_unique<Lines>(std::move(lines));
        return *this;
    }
    SparseLines& operator=(std::initializer_list<std::string> lines) { return *this = Lines(lines); }

    /// The lines, as a vector: an empty one when there are none.
    const Lines& View() const { return lines_ ? *lines_ : Empty(); }
    operator const Lines&() const { return View(); }  // NOLINT: reads as the lines

    const_iterator begin() const { return View().begin(); }
    const_iterator end() const { return View().end(); }
    std::size_t size() const { return View().size(); }
    bool empty() const { return View().empty(); }
    const std::string& operator[](std::size_t index) const { return View()[index]; }
    void push_back(std::string line)
    {
        if (!lines_)
            lines_ = std::make_unique<Lines>();
        lines_->push_back(std::move(line));
    }
    void clear() { lines_.reset(); }

    friend bool operator==(const SparseLines& a, const Lines& b) { return a.View() == b; }
    friend bool operator==(const SparseLines& a, const SparseLines& b) { return a.View() == b.View(); }

private:
    static const Lines& Empty()
    {
        static const Lines none;
        return none;
    }

    std::unique_ptr<Lines> lines_;
};

}  // namespace korvane
