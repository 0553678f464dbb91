// KeyedList: records kept in ascending order of a key (a text such as a zero-padded number, or a
// number with an ordering of its own), found by key or by position. A list normally owns its
// records; records can also be listed by reference only, for temporary views over records that
// live elsewhere.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace korvane {

/// `Less` orders the keys; tests pass one that counts its comparisons. Text keys are looked up
/// by `std::string_view`, other keys by value.
///
/// The entries lie in one array: a part in key order, then the records stored since, in order
/// of arrival. Those are put in order all at once (sorted, then merged in) when a position or a
/// walk in key order is asked for, so any order of arrival costs about log n a record. Finding
/// a key never needs that. The records themselves never move: pointers to them stay valid
/// until they leave the list.
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

    int Count() const { return static_cast<int>(slots_.size()); }
    bool Empty() const { return slots_.empty(); }

    /// The record at a position; null outside 0..Count-1.
    T* Items(int index) const
    {
        if (!InRange(index))
            return nullptr;
        Settle();
        return slots_[static_cast<std::size_t>(index)].item;
    }

    const Key& KeyAt(int index) const
    {
        Settle();
        return slots_[static_cast<std::size_t>(index)].key;
    }

    /// Position of a key; -1 when absent.
    int IndexOf(KeyArg key) const
    {
        Settle();
        const Slot* slot = FindSorted(key);
        return slot ? static_cast<int>(slot - slots_.data()) : -1;
    }

    T* Find(KeyArg key) const
    {
        const Slot* slot = FindSlot(key);
        return slot ? slot->item : nullptr;
    }

    /// Stores a record under `key` and owns it. A record already held under that key is
    /// freed (when owned) and replaced.
    T* Put(Key key, std::unique_ptr<T> item)
    {
        T* raw = item.get();
        Store(std::move(key), raw, std::move(item));
        return raw;
    }

    /// As Put, for a key the caller has just looked for and not found: no second search.
    T* PutAbsent(Key key, std::unique_ptr<T> item)
    {
        T* raw = item.get();
        Append(std::move(key), raw, std::move(item));
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
    /// The entries after it close up: removing many, use EraseIf, or take from the back.
    std::unique_ptr<T> Take(int index)
    {
        if (!InRange(index))
            return nullptr;
        Settle();
        const auto at = slots_.begin() + index;
        std::unique_ptr<T> owned(at->owned ? at->item : nullptr);
        at->owned = false;
        slots_.erase(at);
        sorted_ = static_cast<std::uint32_t>(slots_.size());
        return owned;
    }

    /// Removes every entry whose record `pred` holds for (freeing owned ones), in one pass;
    /// returns how many went.
    template <typename Pred>
    int EraseIf(Pred&& pred)
    {
        Settle();
        const auto kept = std::remove_if(slots_.begin(), slots_.end(),
                                         [&pred](const Slot& slot) { return pred(static_cast<const T&>(*slot.item)); });
        const int erased = static_cast<int>(slots_.end() - kept);
        slots_.erase(kept, slots_.end());
        sorted_ = static_cast<std::uint32_t>(slots_.size());
        return erased;
    }

    /// How many times records stored out of order were put in order: a loop that makes that
    /// happen for each record it touches is quadratic, and tests count them.
    long long PositionRebuilds() const { return rebuilds_; }

    void Clear()
    {
        slots_.clear();
        sorted_ = 0;
        tailTable_.reset();
    }

    /// Calls `f(record)` for each record in key order.
    template <typename F>
    void ForEach(F&& f) const
    {
        Settle();
        // Records lie wherever they were made, seldom in key order: asking for those a few
        // entries ahead hides most of the wait for memory in a walk over a large list.
        // A record that says where its own parts lie (PrefetchParts) has those asked for once
        // the record itself has had time to arrive.
        constexpr std::size_t kAhead = 8;
        const std::size_t count = slots_.size();
        for (std::size_t at = 0; at < count; ++at) {
            if (at + 2 * kAhead < count)
                Prefetch(slots_[at + 2 * kAhead].item);
            if constexpr (requires(const T& record) { record.PrefetchParts(); }) {
                if (at + kAhead < count)
                    slots_[at + kAhead].item->PrefetchParts();
            }
            f(*slots_[at].item);
        }
    }

private:
    // An entry: its record, and whether the list frees it. The record's pointer comes first, so
    // that a number key and the flag share one word: lists of units hold hundreds of thousands.
    struct Slot
    {
        T* item = nullptr;
        Key key;
        bool owned = false;

        Slot(Key k, T* record, bool owns)
            : item(record)
            , key(std::move(k))
            , owned(owns)
        {
        }
        Slot(Slot&& other) noexcept
            : item(other.item)
            , key(std::move(other.key))
            , owned(std::exchange(other.owned, false))
        {
        }
        Slot& operator=(Slot&& other) noexcept
        {
            if (this != &other) {
                Free();
                item = other.item;
                key = std::move(other.key);
                owned = std::exchange(other.owned, false);
            }
            return *this;
        }
        ~Slot() { Free(); }
        void Free()
        {
            if (owned)
                delete item;
            owned = false;
        }
    };
    static std::size_t HashOf(const KeyArg& key)
    {
        // Spread, so that keys that differ only in their low bits (numbers) use the whole table.
        return std::hash<KeyArg>()(key) * 0x9E3779B97F4A7C15ull;
    }
    // Up to this many records out of order are looked through one by one; past it they are hashed.
    static constexpr std::size_t kTailScan = 16;
    static constexpr int kHashShift = 20;  // the spread hash's better bits lie above the lowest
    // A table entry: the position + 1 in the low half, the top of the key's hash in the high half.
    static constexpr std::uint64_t kPositionBits = 0xFFFFFFFFull;
    static std::uint64_t Tag(std::size_t hash) { return static_cast<std::uint64_t>(hash) & ~kPositionBits; }

    bool InRange(int index) const { return index >= 0 && index < Count(); }

    static void Prefetch(const T* item)
    {
#if defined(__GNUC__) || defined(__clang__)
        const char* bytes = reinterpret_cast<const char*>(item);
        for (std::size_t offset = 0; offset < sizeof(T); offset += 64)
            __builtin_prefetch(bytes + offset);
#else
        (void)item;
#endif
    }
    bool Same(const Key& a, KeyArg b) const
    {
        return !less_(a, b) && !less_(b, a);
    }

    Slot* FindSorted(KeyArg key) const
    {
        // Past the last key: records loaded in order are all new, and need no search.
        if (sorted_ == 0 || less_(slots_[sorted_ - 1].key, key))
            return nullptr;
        const auto end = slots_.begin() + static_cast<std::ptrdiff_t>(sorted_);
        const auto at = std::lower_bound(slots_.begin(), end, key,
                                         [this](const Slot& slot, const KeyArg& k) { return less_(slot.key, k); });
        return (at != end && !less_(key, at->key)) ? &*at : nullptr;
    }

    Slot* FindSlot(KeyArg key) const
    {
        if (Slot* slot = FindSorted(key))
            return slot;
        if (tailTable_) {
            const std::vector<std::uint64_t>& table = *tailTable_;
            const std::size_t mask = table.size() - 1;
            const std::size_t hash = HashOf(key);
            const std::uint64_t tag = Tag(hash);
            for (std::size_t at = hash >> kHashShift & mask; table[at] != 0; at = (at + 1) & mask) {
                if ((table[at] & ~kPositionBits) != tag)
                    continue;  // another key: no need to look at its record
                Slot& slot = slots_[(table[at] & kPositionBits) - 1];
                if (Same(slot.key, key))
                    return &slot;
            }
            return nullptr;
        }
        for (std::size_t at = sorted_; at < slots_.size(); ++at) {
            if (Same(slots_[at].key, key))
                return &slots_[at];
        }
        return nullptr;
    }

    void Store(Key key, T* item, std::unique_ptr<T> owned)
    {
        if (Slot* slot = FindSlot(key)) {
            slot->Free();  // a record held before under the key
            slot->item = item;
            slot->owned = owned.release() != nullptr;
            return;
        }
        Append(std::move(key), item, std::move(owned));
    }

    // Adds an entry for a key the list does not hold. Records mostly arrive in key order
    // (files are written sorted): those go straight to the end of the ordered part.
    void Append(Key key, T* item, std::unique_ptr<T> owned)
    {
        const bool inOrder = sorted_ == slots_.size() && (slots_.empty() || less_(slots_.back().key, key));
        slots_.emplace_back(std::move(key), item, owned != nullptr);
        owned.release();  // the entry holds it now
        if (inOrder) {
            sorted_ = static_cast<std::uint32_t>(slots_.size());
            return;
        }
        const std::size_t tail = slots_.size() - sorted_;
        if (tail <= kTailScan)
            return;
        if (!tailTable_ || tail * 2 > tailTable_->size()) {
            // Made afresh at the next power of two of twice the size: at most half of it is
            // ever taken, and it stays small enough to be found in the cache.
            std::size_t size = 64;
            while (size < tail * 2)
                size *= 2;
            if (!tailTable_)
                tailTable_ = std::make_unique<std::vector<std::uint64_t>>();
            tailTable_->assign(size, 0);
            for (std::size_t at = sorted_; at < slots_.size(); ++at)
                Index(at);
        } else {
            Index(slots_.size() - 1);
        }
    }

    // Enters the record at a position of the part out of order in the table of that part.
    void Index(std::size_t position)
    {
        std::vector<std::uint64_t>& table = *tailTable_;
        const std::size_t mask = table.size() - 1;
        const std::size_t hash = HashOf(slots_[position].key);
        std::size_t at = hash >> kHashShift & mask;
        while (table[at] != 0)
            at = (at + 1) & mask;
        table[at] = Tag(hash) | static_cast<std::uint64_t>(position + 1);
    }

    // Puts the records stored out of order in order: sorted among themselves, then merged with
    // the ordered part. Working out positions changes no record, only where entries lie.
    void Settle() const
    {
        if (sorted_ == slots_.size())
            return;
        ++rebuilds_;
        const auto bySlotKey = [this](const Slot& a, const Slot& b) { return less_(a.key, b.key); };
        if (slots_.size() - sorted_ <= kTailScan) {
            // A few records, as in a hex's list: each moved into its place, without the
            // buffer a merge would allocate.
            for (; sorted_ < slots_.size(); ++sorted_) {
                const auto end = slots_.begin() + static_cast<std::ptrdiff_t>(sorted_);
                std::rotate(std::upper_bound(slots_.begin(), end, *end, bySlotKey), end, end + 1);
            }
        } else {
            const auto middle = slots_.begin() + static_cast<std::ptrdiff_t>(sorted_);
            std::sort(middle, slots_.end(), bySlotKey);
            std::inplace_merge(slots_.begin(), middle, slots_.end(), bySlotKey);
            sorted_ = static_cast<std::uint32_t>(slots_.size());
        }
        tailTable_.reset();
    }

    // Every hex holds two lists: the list itself is kept small, its rarely needed parts apart.
    [[no_unique_address]] Less less_;
    // Mutable: putting the entries in order changes no record, only where the entries lie.
    mutable std::vector<Slot> slots_;
    mutable std::uint32_t sorted_ = 0;  // slots_[0, sorted_) are in key order; positions are 32-bit
    mutable std::uint32_t rebuilds_ = 0;
    // The records out of order, found by their key's hash with open addressing (entries as
    // Tag and position + 1); 0 marks a free place. None while that part is short enough to look through.
    mutable std::unique_ptr<std::vector<std::uint64_t>> tailTable_;
};

}  // namespace korvane
