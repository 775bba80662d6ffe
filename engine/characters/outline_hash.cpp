#include "engine/characters/outline_hash.h"

namespace characters {
namespace {

uint32_t RotateLeft(uint32_t value, int bits) { return value << bits | value >> (32 - bits); }

// Two murmur-style lanes with constants of their own, so that an edit that
// one lane happens to map onto the same value still shows in the other.
class TwoLanes {
public:
    explicit TwoLanes(uint32_t length) : a_(0x243F6A88u ^ length), b_(0x85A308D3u + length) {}

    void Add(uint32_t word) {
        a_ ^= RotateLeft(word * 0xCC9E2D51u, 15) * 0x1B873593u;
        a_ = RotateLeft(a_, 13) * 5 + 0xE6546B64u;
        b_ ^= RotateLeft(word * 0x85EBCA77u, 17) * 0xC2B2AE3Du;
        b_ = RotateLeft(b_, 11) * 9 + 0x27D4EB2Fu;
    }

    uint64_t Finish() const {
        uint32_t a = Mix(a_ + b_), b = Mix(b_ ^ RotateLeft(a_, 16));
        return static_cast<uint64_t>(a) << 32 | b;
    }

private:
    static uint32_t Mix(uint32_t h) {
        h ^= h >> 16;
        h *= 0x85EBCA6Bu;
        h ^= h >> 13;
        h *= 0xC2B2AE35u;
        return h ^ (h >> 16);
    }

    uint32_t a_, b_;
};

uint32_t LittleEndianWord(const unsigned char* p) {
    return p[0] | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

uint64_t HashBytes(const unsigned char* bytes, size_t length) {
    TwoLanes lanes(static_cast<uint32_t>(length));
    size_t whole = length / 4 * 4;
    for (size_t i = 0; i < whole; i += 4) lanes.Add(LittleEndianWord(bytes + i));
    uint32_t tail = 0;
    for (size_t i = whole; i < length; ++i) tail |= static_cast<uint32_t>(bytes[i]) << (8 * (i - whole));
    if (length > whole) lanes.Add(tail);
    return lanes.Finish();
}

uint64_t FoldHash(uint64_t hash, uint64_t component) {
    TwoLanes lanes(16);
    lanes.Add(static_cast<uint32_t>(hash >> 32));
    lanes.Add(static_cast<uint32_t>(hash));
    lanes.Add(static_cast<uint32_t>(component >> 32));
    lanes.Add(static_cast<uint32_t>(component));
    return lanes.Finish();
}

}  // namespace characters
