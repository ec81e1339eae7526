// The numbers of a catalog's terms, looked up once per token of every
// document a scan filters. An open-addressing table of small slots with the
// term bytes kept in one block: a lookup touches one slot and, on a hit, the
// term's bytes, where a node-based map chases two or three pointers to
// memory that is rarely in the cache.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessellon {

class TermIds {
public:
    static std::uint64_t hash(std::string_view term);

    // The id of the term, or -1 when it has none.
    std::int64_t find(std::string_view term, std::uint64_t hash) const;
    std::int64_t find(std::string_view term) const { return find(term, hash(term)); }
    // The term must not be in the table yet; ids are below 2^32 - 1.
    void insert(std::string_view term, std::uint64_t hash, std::uint32_t id);
    void insert(std::string_view term, std::uint32_t id) { insert(term, hash(term), id); }
    void clear();
    std::size_t size() const { return count_; }

private:
    struct Slot {
        std::uint32_t tag = 0;       // the hash's upper half
        std::uint32_t idPlusOne = 0; // 0: free
        std::uint32_t offset = 0;    // of the term's bytes in keys_
        std::uint32_t length = 0;
    };
    void grow();
    void place(const Slot& slot, std::uint64_t hash);

    std::vector<Slot> slots_;
    std::string keys_;
    std::size_t count_ = 0;
};

} // namespace tessellon
