// KeyedList: records kept in ascending order of a key (a text such as a zero-padded number, or a
// number with an ordering of its own), found by key or by position. A list normally owns its records; records can also be
// listed by reference only, for temporary views over records that live elsewhere.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace korvane {

/// `Less` orders the keys; tests pass one that counts its comparisons. Text keys are looked up
/// by `std::string_view`, other keys by value.
template <typename T, typename Less = std::less<>, typename Key = std::string>
class KeyedList
{
public:
    using KeyArg = std::conditional_t<std::is_same_v<Key, std::string>, std::string_view, Key>;

    KeyedList() = default;
    KeyedList(const KeyedList&) = delete;
    KeyedList& operator=(const KeyedList&) = delete;
    KeyedList(KeyedList&&) noexcept = default;
    KeyedList& operator=(KeyedList&&) noexcept = default;

    int Count() const { return static_cast<int>(entries_.size()); }
    bool Empty() const { return entries_.empty(); }

    /// The record at a position; null outside 0..Count-1.
    T* Items(int index) const { return InRange(index) ? Positions()[static_cast<std::size_t>(index)]->second.item : nullptr; }

    const Key& KeyAt(int index) const { return Positions()[static_cast<std::size_t>(index)]->first; }

    /// Position of a key; -1 when absent.
    int IndexOf(KeyArg key) const
    {
        const auto found = entries_.find(key);
        if (found == entries_.end())
            return -1;
        const auto& positions = Positions();
        const auto at = std::lower_bound(positions.begin(), positions.end(), key,
                                         [this](Iterator entry, KeyArg k) { return entries_.key_comp()(entry->first, k); });
        return static_cast<int>(at - positions.begin());
    }

    T* Find(KeyArg key) const
    {
        const auto found = entries_.find(key);
        return found == entries_.end() ? nullptr : found->second.item;
    }

    /// Stores a record under `key` and owns it. A record already held under that key is
    /// freed (when owned) and replaced.
    T* Put(Key key, std::unique_ptr<T> item)
    {
        T* raw = item.get();
        Store(std::move(key), raw, std::move(item));
        return raw;
    }

    /// Lists a record that lives elsewhere; the list never frees it.
    T* PutRef(Key key, T* item)
    {
        Store(std::move(key), item, nullptr);
        return item;
    }

    /// Removes the entry at a position (freeing an owned record); ignored outside the list.
    void Delete(int index) { Take(index); }

    /// Removes the entry at a position and hands its record over (null for a referenced one).
    std::unique_ptr<T> Take(int index)
    {
        if (!InRange(index))
            return nullptr;
        auto& positions = Positions();
        const Iterator entry = positions[static_cast<std::size_t>(index)];
        std::unique_ptr<T> owned = std::move(entry->second.owned);
        entries_.erase(entry);
        // Taking from the back, as lists emptied one by one are, keeps every other position.
        if (static_cast<std::size_t>(index) + 1 == positions.size())
            positions.pop_back();
        else
            positionsValid_ = false;
        return owned;
    }

    /// Removes every entry whose record `pred` holds for (freeing owned ones), in one pass;
    /// returns how many went.
    template <typename Pred>
    int EraseIf(Pred&& pred)
    {
        int erased = 0;
        for (auto it = entries_.begin(); it != entries_.end();) {
            if (pred(static_cast<const T&>(*it->second.item))) {
                it = entries_.erase(it);
                ++erased;
            } else {
                ++it;
            }
        }
        if (erased > 0)
            positionsValid_ = false;
        return erased;
    }

    /// How many times the positions were worked out again after a change in the middle: a
    /// loop that does it for each record it touches is quadratic, and tests count them.
    long long PositionRebuilds() const { return positionRebuilds_; }

    void Clear()
    {
        entries_.clear();
        positions_.clear();
        positionsValid_ = true;
    }

    /// Calls `f(record)` for each record in key order.
    template <typename F>
    void ForEach(F&& f) const
    {
        for (const auto& [key, entry] : entries_)
            f(*entry.item);
    }

private:
    struct Entry
    {
        T* item = nullptr;
        std::unique_ptr<T> owned;
    };
    // A tree keeps any order of arrival at log n a record; positions are worked out only when
    // asked for, once for all the records stored since.
    using Map = std::map<Key, Entry, Less>;
    using Iterator = typename Map::iterator;

    bool InRange(int index) const { return index >= 0 && index < Count(); }

    std::vector<Iterator>& Positions() const
    {
        if (!positionsValid_) {
            ++positionRebuilds_;
            positions_.clear();
            positions_.reserve(entries_.size());
            // The positions serve the non-const members too; the walk itself changes nothing.
            Map& entries = const_cast<Map&>(entries_);
            for (auto it = entries.begin(); it != entries.end(); ++it)
                positions_.push_back(it);
            positionsValid_ = true;
        }
        return positions_;
    }

    void Store(Key key, T* item, std::unique_ptr<T> owned)
    {
        // Records mostly arrive in key order (files are written sorted): the hint makes those
        // constant time, and the positions known so far stay valid.
        const bool atEnd = entries_.empty() || entries_.key_comp()(std::prev(entries_.end())->first, key);
        if (atEnd) {
            const Iterator added = entries_.emplace_hint(entries_.end(), std::move(key), Entry{item, std::move(owned)});
            if (positionsValid_)
                positions_.push_back(added);
            return;
        }
        Iterator at = entries_.lower_bound(key);
        if (at != entries_.end() && !entries_.key_comp()(key, at->first)) {
            at->second.item = item;
            at->second.owned = std::move(owned);  // frees a record held before under the key
            return;
        }
        entries_.emplace_hint(at, std::move(key), Entry{item, std::move(owned)});
        positionsValid_ = false;
    }

    Map entries_;
    // Mutable: working out the positions changes no record, only what is known about them.
    mutable std::vector<Iterator> positions_;
    mutable bool positionsValid_ = true;
    mutable long long positionRebuilds_ = 0;
};

}  // namespace korvane
