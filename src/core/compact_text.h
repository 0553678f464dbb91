// CompactText: a text held behind one pointer, its length and room in the same block as its
// letters. Records kept by the hundred thousand carry texts; empty, one costs a pointer, and a
// set one a single block instead of a whole string and the block it points to.
#pragma once

#include <cstdint>
#include <cstring>
#include <new>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace korvane {

class CompactText
{
public:
    CompactText() = default;
    CompactText(std::string_view text) { assign(text); }  // NOLINT: reads and writes as a text
    CompactText(const CompactText& other)
        : CompactText(other.View())
    {
    }
    CompactText(CompactText&& other) noexcept
        : block_(std::exchange(other.block_, nullptr))
    {
    }
    CompactText& operator=(const CompactText& other)
    {
        if (this != &other)
            assign(other.View());
        return *this;
    }
    CompactText& operator=(CompactText&& other) noexcept
    {
        if (this != &other) {
            Free();
            block_ = std::exchange(other.block_, nullptr);
        }
        return *this;
    }
    CompactText& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }
    ~CompactText() { Free(); }

    /// Replaces the text, in the room it has when that is enough: a reader that fills one
    /// record line after line allocates only when a text is longer than any before it.
    void assign(std::string_view text)
    {
        if (text.empty()) {
            clear();
            return;
        }
        if (!block_ || block_->room < text.size()) {
            Free();
            block_ = Allocate(text.size());
        }
        std::memmove(Letters(), text.data(), text.size());
        block_->size = static_cast<std::uint32_t>(text.size());
    }
    /// Empties the text, keeping its room.
    void clear()
    {
        if (block_)
            block_->size = 0;
    }

    std::string_view View() const { return block_ ? std::string_view(Letters(), block_->size) : std::string_view(); }
    operator std::string_view() const { return View(); }  // NOLINT: reads as a text
    std::string Str() const { return std::string(View()); }
    const char* data() const { return block_ ? Letters() : ""; }
    bool empty() const { return size() == 0; }
    std::size_t size() const { return block_ ? block_->size : 0; }

    friend bool operator==(const CompactText& a, std::string_view b) { return a.View() == b; }
    friend std::ostream& operator<<(std::ostream& out, const CompactText& text) { return out << text.View(); }

private:
    struct Block
    {
        std::uint32_t size;
        std::uint32_t room;
    };

    char* Letters() const { return reinterpret_cast<char*>(block_ + 1); }

    static Block* Allocate(std::size_t length)
    {
        // Texts are far shorter than 4 GB: a longer one (nothing reads one) would not fit the
        // block's count, so it is refused as the allocator refuses what it cannot give.
        if (length > UINT32_MAX - sizeof(Block))
            throw std::bad_alloc();
        // Rounded up to what the allocator hands out anyway (blocks of 16 bytes, 8 of them its own).
        const std::size_t bytes = ((sizeof(Block) + length + 8 + 15) & ~std::size_t{15}) - 8;
        auto* block = static_cast<Block*>(::operator new(bytes));
        block->size = 0;
        block->room = static_cast<std::uint32_t>(bytes - sizeof(Block));
        return block;
    }
    void Free()
    {
        ::operator delete(block_);
        block_ = nullptr;
    }

    Block* block_ = nullptr;
};

}  // namespace korvane
