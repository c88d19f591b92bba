#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vorn {

// A fixed set of short words, each with a value, for look-ups made once or
// more per line of a script: open addressing in one array and a hash cheap
// enough for keywords of a few bytes. The words must outlive the table
// (string literals and constant tables do).
template <typename Value> class WordTable {
public:
    // Room for "words" entries at most half full.
    explicit WordTable(std::size_t words)
        : m_slots(std::bit_ceil(2 * words + 2))
        , m_mask(m_slots.size() - 1) {}

    // The first value given for a word stays.
    void add(std::string_view word, Value value) {
        Slot& slot = m_slots[at(word)];
        if (!slot.used) slot = {word, value, true};
    }

    const Value* find(std::string_view word) const {
        const Slot& slot = m_slots[at(word)];
        return slot.used ? &slot.value : nullptr;
    }

private:
    struct Slot {
        std::string_view word;
        Value value{};
        bool used = false;
    };

    // The slot holding the word, or the free slot where it would go.
    std::size_t at(std::string_view word) const {
        std::uint32_t hash = 2166136261u; // FNV-1a
        for (const char c : word)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        for (std::size_t i = hash & m_mask;; i = (i + 1) & m_mask)
            if (!m_slots[i].used || m_slots[i].word == word) return i;
    }

    std::vector<Slot> m_slots;
    std::size_t m_mask;
};

// A set of words: a table whose entries only answer that they are there.
inline WordTable<bool> wordSet(std::span<const std::string_view> words) {
    WordTable<bool> table(words.size());
    for (const std::string_view word : words)
        table.add(word, true);
    return table;
}

} // namespace vorn
