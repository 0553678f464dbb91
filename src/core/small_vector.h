// SmallVector: a list of plain values holding its first few entries in itself, and the rest in
// one block of its own. Most records' lists (a unit's men, items, skills) have one or two
// entries: held inside, they cost no block and no pointer to one.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <new>
#include <type_traits>
#include <utility>

namespace korvane {

/// `T` is copied byte by byte, so it must be trivially copyable; the first `N` entries cost
/// no block. The interface is the part of std::vector's the records' users need.
template <typename T, std::uint32_t N>
class SmallVector
{
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
    static_assert(N > 0);

public:
    using value_type = T;
    using size_type = std::size_t;
    using iterator = T*;
    using const_iterator = const T*;

    SmallVector() = default;
    SmallVector(std::initializer_list<T> items) { assign(items.begin(), items.end()); }
    SmallVector(const SmallVector& other) { assign(other.begin(), other.end()); }
    SmallVector(SmallVector&& other) noexcept { TakeFrom(other); }
    SmallVector& operator=(const SmallVector& other)
    {
        if (this != &other)
            assign(other.begin(), other.end());
        return *this;
    }
    SmallVector& operator=(SmallVector&& other) noexcept
    {
        if (this != &other) {
            FreeBlock();
            TakeFrom(other);
        }
        return *this;
    }
    SmallVector& operator=(std::initializer_list<T> items)
    {
        assign(items.begin(), items.end());
        return *this;
    }
    ~SmallVector() { FreeBlock(); }

    /// Replaces the entries; a copy gets exactly the room it needs.
    void assign(const T* first, const T* last)
    {
        const auto count = static_cast<std::size_t>(last - first);
        if (count > room_) {
            size_ = 0;  // nothing of the old entries is kept
            Grow(count);
        }
        if (count)
            std::memmove(data(), first, count * sizeof(T));
        size_ = static_cast<std::uint32_t>(count);
    }

    T* data() { return OnBlock() ? block_ : Inside(); }
    const T* data() const { return OnBlock() ? block_ : Inside(); }
    T* begin() { return data(); }
    T* end() { return data() + size_; }
    const T* begin() const { return data(); }
    const T* end() const { return data() + size_; }
    std::size_t size() const { return size_; }
    std::size_t capacity() const { return room_; }
    bool empty() const { return size_ == 0; }
    T& operator[](std::size_t index) { return data()[index]; }
    const T& operator[](std::size_t index) const { return data()[index]; }
    T& front() { return data()[0]; }
    const T& front() const { return data()[0]; }
    T& back() { return data()[size_ - 1]; }
    const T& back() const { return data()[size_ - 1]; }

    /// Makes room for `count` entries at once (exactly that much, when more than it holds).
    void reserve(std::size_t count)
    {
        if (count > room_)
            Grow(count);
    }
    void push_back(const T& item)
    {
        if (size_ == room_) {
            const T copy = item;  // `item` may lie in the room about to move
            Grow(std::max<std::size_t>(2 * std::size_t{room_}, N + 1));
            data()[size_++] = copy;
            return;
        }
        data()[size_++] = item;
    }
    void pop_back() { --size_; }
    /// Empties the list, keeping its room.
    void clear() { size_ = 0; }
    T* erase(const T* first, const T* last)
    {
        T* at = begin() + (first - begin());
        const auto gone = static_cast<std::size_t>(last - first);
        std::memmove(at, at + gone, static_cast<std::size_t>(end() - at - gone) * sizeof(T));
        size_ -= static_cast<std::uint32_t>(gone);
        return at;
    }
    T* erase(const T* at) { return erase(at, at + 1); }

    friend bool operator==(const SmallVector& a, const SmallVector& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    bool OnBlock() const { return room_ > N; }
    T* Inside() { return std::launder(reinterpret_cast<T*>(inside_)); }
    const T* Inside() const { return std::launder(reinterpret_cast<const T*>(inside_)); }

    // Moves the entries into a block of `count` entries (more than the list holds inside).
    void Grow(std::size_t count)
    {
        if (count > UINT32_MAX / sizeof(T))
            throw std::bad_alloc();
        T* block = static_cast<T*>(::operator new(count * sizeof(T)));
        if (size_)
            std::memcpy(block, data(), size_ * sizeof(T));
        FreeBlock();
        block_ = block;
        room_ = static_cast<std::uint32_t>(count);
    }
    void FreeBlock()
    {
        if (OnBlock())
            ::operator delete(block_);
        room_ = N;
    }
    void TakeFrom(SmallVector& other)
    {
        size_ = other.size_;
        room_ = other.room_;
        if (other.OnBlock())
            block_ = other.block_;
        else
            std::memcpy(inside_, other.inside_, sizeof inside_);
        other.size_ = 0;
        other.room_ = N;
    }

    union
    {
        T* block_;
        alignas(T) unsigned char inside_[N * sizeof(T)];
    };
    std::uint32_t size_ = 0;
    std::uint32_t room_ = N;
};

}  // namespace korvane
