#include "indexing/store/TermIds.h"

#include <algorithm>
#include <cstring>

namespace tessellon {

namespace {

constexpr std::size_t InitialSlots = 1024;

std::uint32_t tagOf(std::uint64_t hash) {
    return std::uint32_t(hash >> 32);
}

} // namespace

std::uint64_t TermIds::hash(std::string_view term) {
    // FNV-1a, then a final mix so that both halves (slot and tag) are spread.
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const char c : term) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    return h;
}

std::int64_t TermIds::find(std::string_view term, std::uint64_t hash) const {
    if (slots_.empty())
        return -1;
    const std::size_t mask = slots_.size() - 1;
    const std::uint32_t tag = tagOf(hash);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.idPlusOne == 0)
            return -1;
        if (slot.tag == tag && slot.length == term.size() &&
            std::memcmp(keys_.data() + slot.offset, term.data(), term.size()) == 0)
            return std::int64_t(slot.idPlusOne) - 1;
    }
}

void TermIds::insert(std::string_view term, std::uint64_t hash, std::uint32_t id) {
    // At most half full, so misses end soon.
    if ((count_ + 1) * 2 > slots_.size())
        grow();
    Slot slot{tagOf(hash), id + 1, std::uint32_t(keys_.size()), std::uint32_t(term.size())};
    keys_.append(term);
    place(slot, hash);
    ++count_;
}

void TermIds::clear() {
    slots_.clear();
    keys_.clear();
    count_ = 0;
}

void TermIds::place(const Slot& slot, std::uint64_t hash) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    while (slots_[i].idPlusOne != 0)
        i = (i + 1) & mask;
    slots_[i] = slot;
}

void TermIds::grow() {
    std::vector<Slot> old(std::max(InitialSlots, slots_.size() * 2));
    old.swap(slots_);
    for (const Slot& slot : old) {
        if (slot.idPlusOne != 0)
            place(slot, hash(std::string_view(keys_).substr(slot.offset, slot.length)));
    }
}

} // namespace tessellon
