// The dot products of byte features that nearly all of a search's time goes
// to: with SSE2 where the processor and the system run it, else a byte at a
// time. Both give the same whole number, so a choice never changes an answer.
#pragma once

#include <cstddef>
#include <cstdint>

namespace shapes {

// Whether this build has the SSE2 code at all (an x86 compiler), and
// whether it may assume it without asking (a 64-bit build: every x86-64
// processor and system runs it). A 32-bit build must ask the system: a
// Pentium II lacks it, and Windows NT 4.0 does not save its registers.
bool Sse2Built();
bool Sse2Assumed();

// Which arithmetic the products use; the plain one wherever SSE2 is not built.
class FeatureDot {
public:
    explicit FeatureDot(bool sse2 = Sse2Assumed()) : sse2_(sse2 && Sse2Built()) {}
    bool Sse2() const { return sse2_; }

    // Sum of a[i] * b[i] over size bytes (a multiple of 16).
    int32_t Bytes(const uint8_t* a, const uint8_t* b, size_t size) const;
    // The same of each of count records of size bytes in a row, into out.
    void EachRecord(const uint8_t* query, const uint8_t* records, size_t size, size_t count, int32_t* out) const;
    // Sum of weights[i] * bytes[i] over size values (a multiple of 8); the
    // weights from 0 to 32767, size at most 128.
    int32_t Weighted(const int16_t* weights, const uint8_t* bytes, size_t size) const;

    // The cosine of the angle between two such byte vectors: 0 to 1, 0
    // when either is all zero.
    double Cosine(const uint8_t* a, const uint8_t* b, size_t size) const;

private:
    bool sse2_;
};

}  // namespace shapes
