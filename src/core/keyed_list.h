// KeyedList: records kept in ascending order of a text key (zero-padded numbers, so the order is
// numeric), found by key or by position. A list normally owns its records; records can also be
// listed by reference only, for temporary views over records that live elsewhere.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

template <typename T>
class KeyedList
{
public:
    KeyedList() = default;
    KeyedList(const KeyedList&) = delete;
    KeyedList& operator=(const KeyedList&) = delete;
    KeyedList(KeyedList&&) noexcept = default;
    KeyedList& operator=(KeyedList&&) noexcept = default;

    int Count() const { return static_cast<int>(entries_.size()); }
    bool Empty() const { return entries_.empty(); }

    /// The record at a position; null outside 0..Count-1.
    T* Items(int index) const
    {
        return InRange(index) ? entries_[static_cast<std::size_t>(index)].item : nullptr;
    }

    const std::string& KeyAt(int index) const { return entries_[static_cast<std::size_t>(index)].key; }

    /// Position of a key; -1 when absent.
    int IndexOf(std::string_view key) const
    {
        const auto it = LowerBound(key);
        return (it != entries_.end() && it->key == key) ? static_cast<int>(it - entries_.begin()) : -1;
    }

    T* Find(std::string_view key) const { return Items(IndexOf(key)); }

    /// Stores a record under `key` and owns it. A record already held under that key is
    /// freed (when owned) and replaced.
    T* Put(std::string key, std::unique_ptr<T> item)
    {
        T* raw = item.get();
        Store(std::move(key), raw, std::move(item));
        return raw;
    }

    /// Lists a record that lives elsewhere; the list never frees it.
    T* PutRef(std::string key, T* item)
    {
        Store(std::move(key), item, nullptr);
        return item;
    }

    /// Removes the entry at a position (freeing an owned record); ignored outside the list.
    void Delete(int index)
    {
        if (InRange(index))
            entries_.erase(entries_.begin() + index);
    }

    /// Removes the entry at a position and hands its record over (null for a referenced one).
    std::unique_ptr<T> Take(int index)
    {
        if (!InRange(index))
            return nullptr;
        std::unique_ptr<T> owned = std::move(entries_[static_cast<std::size_t>(index)].owned);
        entries_.erase(entries_.begin() + index);
        return owned;
    }

    void Clear() { entries_.clear(); }

    /// Calls `f(record)` for each record in key order.
    template <typename F>
    void ForEach(F&& f) const
    {
        for (const auto& entry : entries_)
            f(*entry.item);
    }

private:
    struct Entry
    {
        std::string key;
        T* item = nullptr;
        std::unique_ptr<T> owned;
    };

    bool InRange(int index) const { return index >= 0 && index < Count(); }

    typename std::vector<Entry>::const_iterator LowerBound(std::string_view key) const
    {
        return std::lower_bound(entries_.begin(), entries_.end(), key,
                                [](const Entry& entry, std::string_view k) { return entry.key < k; });
    }

    void Store(std::string key, T* item, std::unique_ptr<T> owned)
    {
        // Records mostly arrive in key order (files are written sorted): check the end first.
        auto it = (!entries_.empty() && entries_.back().key < key)
            ? entries_.end()
            : entries_.begin() + (LowerBound(key) - entries_.cbegin());
        if (it != entries_.end() && it->key == key) {
            it->item = item;
            it->owned = std::move(owned);
            return;
        }
        entries_.insert(it, Entry{std::move(key), item, std::move(owned)});
    }

    std::vector<Entry> entries_;
};

}  // namespace korvane
