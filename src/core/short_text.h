// ShortText: a text that is usually short, such as a name, held inside the record up to 22
// letters and in a block of its own beyond. Unit names mostly fit: a world's hundreds of
// thousands of unit records then cost no block for them.
#pragma once

#include <cstdint>
#include <cstring>
#include <new>
#include <ostream>
#include <string>
#include <string_view>

namespace korvane {

class ShortText
{
public:
    static constexpr std::size_t kInside = 22;

    ShortText() { SetInside(0); }
    ShortText(std::string_view text)  // NOLINT: reads and writes as a text
        : ShortText()
    {
        assign(text);
    }
    ShortText(const ShortText& other)
        : ShortText(other.View())
    {
    }
    ShortText(ShortText&& other) noexcept
    {
        std::memcpy(raw_, other.raw_, sizeof raw_);
        other.SetInside(0);
    }
    ShortText& operator=(const ShortText& other)
    {
        if (this != &other)
            assign(other.View());
        return *this;
    }
    ShortText& operator=(ShortText&& other) noexcept
    {
        if (this != &other) {
            Free();
            std::memcpy(raw_, other.raw_, sizeof raw_);
            other.SetInside(0);
        }
        return *this;
    }
    ShortText& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }
    ~ShortText() { Free(); }

    /// Replaces the text; a block once made is kept while the texts fit it, so a reader that
    /// fills one record line after line allocates only for a text longer than any before.
    void assign(std::string_view text)
    {
        if (!OnBlock()) {
            if (text.size() <= kInside) {
                if (!text.empty())  // an empty view may point nowhere
                    std::memmove(raw_, text.data(), text.size());
                SetInside(text.size());
                return;
            }
            SetBlock(Allocate(text), text.size(), Room(text.size()));
            return;
        }
        Block block = GetBlock();
        if (text.size() <= block.room) {
            if (!text.empty())
                std::memmove(block.letters, text.data(), text.size());
            block.size = static_cast<std::uint32_t>(text.size());
            std::memcpy(raw_, &block, sizeof block);
            return;
        }
        char* letters = Allocate(text);
        ::operator delete(block.letters);
        SetBlock(letters, text.size(), Room(text.size()));
    }
    /// Empties the text, keeping its room.
    void clear() { assign(std::string_view()); }

    std::string_view View() const
    {
        if (!OnBlock())
            return {reinterpret_cast<const char*>(raw_), raw_[kTag]};
        const Block block = GetBlock();
        return {block.letters, block.size};
    }
    operator std::string_view() const { return View(); }  // NOLINT: reads as a text
    std::string Str() const { return std::string(View()); }
    const char* data() const { return View().data(); }
    std::size_t size() const { return View().size(); }
    bool empty() const { return size() == 0; }

    friend bool operator==(const ShortText& a, std::string_view b) { return a.View() == b; }
    friend std::ostream& operator<<(std::ostream& out, const ShortText& text) { return out << text.View(); }

private:
    struct Block
    {
        char* letters;
        std::uint32_t size;
        std::uint32_t room;
    };
    static constexpr std::size_t kTag = sizeof(Block) + 7;  // the last byte: the length inside, or kOnBlock
    static constexpr unsigned char kOnBlock = 0xFF;
    static_assert(kInside < kTag && kTag < kOnBlock);

    // What the allocator hands out anyway for `length` letters (blocks of 16 bytes, 8 its own).
    static std::size_t Room(std::size_t length) { return ((length + 8 + 15) & ~std::size_t{15}) - 8; }
    static char* Allocate(std::string_view text)
    {
        // Texts are far shorter than 4 GB; a longer one is refused as the allocator refuses.
        if (text.size() > UINT32_MAX / 2)
            throw std::bad_alloc();
        char* letters = static_cast<char*>(::operator new(Room(text.size())));
        std::memcpy(letters, text.data(), text.size());
        return letters;
    }

    bool OnBlock() const { return raw_[kTag] == kOnBlock; }
    Block GetBlock() const
    {
        Block block;
        std::memcpy(&block, raw_, sizeof block);
        return block;
    }
    void SetBlock(char* letters, std::size_t size, std::size_t room)
    {
        const Block block{letters, static_cast<std::uint32_t>(size), static_cast<std::uint32_t>(room)};
        std::memcpy(raw_, &block, sizeof block);
        raw_[kTag] = kOnBlock;
    }
    void SetInside(std::size_t length) { raw_[kTag] = static_cast<unsigned char>(length); }
    void Free()
    {
        if (OnBlock())
            ::operator delete(GetBlock().letters);
        SetInside(0);
    }

    alignas(8) unsigned char raw_[kTag + 1];
};

}  // namespace korvane
