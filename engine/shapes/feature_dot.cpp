#include "engine/shapes/feature_dot.h"

#include <cmath>

#if defined(__i386__) || defined(__x86_64__)
#include <emmintrin.h>
#define MINAMO_HAS_SSE2_CODE 1
// Compiled for SSE2 whatever the build's baseline; the stack is realigned
// on entry, since a 32-bit Windows caller keeps it at four bytes only.
#define MINAMO_SSE2_FUNCTION __attribute__((target("sse2"), force_align_arg_pointer))
#else
#define MINAMO_HAS_SSE2_CODE 0
#endif

namespace shapes {
namespace {

int32_t PlainBytes(const uint8_t* a, const uint8_t* b, size_t size) {
    int32_t sum = 0;
    for (size_t i = 0; i < size; ++i) sum += int32_t{a[i]} * b[i];
    return sum;
}

int32_t PlainWeighted(const int16_t* weights, const uint8_t* bytes, size_t size) {
    int32_t sum = 0;
    for (size_t i = 0; i < size; ++i) sum += int32_t{weights[i]} * bytes[i];
    return sum;
}

#if MINAMO_HAS_SSE2_CODE
MINAMO_SSE2_FUNCTION inline int32_t SumLanes(__m128i sum) {
    sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, 0x4E));
    sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, 0xB1));
    return _mm_cvtsi128_si32(sum);
}

// Bytes widened to 16 bits, multiplied and added in pairs (pmaddwd): no
// product or pair sum leaves 32 bits.
MINAMO_SSE2_FUNCTION int32_t Sse2Bytes(const uint8_t* a, const uint8_t* b, size_t size) {
    const __m128i zero = _mm_setzero_si128();
    __m128i sum = zero;
    for (size_t i = 0; i < size; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        sum = _mm_add_epi32(sum, _mm_madd_epi16(_mm_unpacklo_epi8(x, zero), _mm_unpacklo_epi8(y, zero)));
        sum = _mm_add_epi32(sum, _mm_madd_epi16(_mm_unpackhi_epi8(x, zero), _mm_unpackhi_epi8(y, zero)));
    }
    return SumLanes(sum);
}

MINAMO_SSE2_FUNCTION void Sse2EachRecord(const uint8_t* query, const uint8_t* records, size_t size, size_t count,
                                         int32_t* out) {
    for (size_t n = 0; n < count; ++n) out[n] = Sse2Bytes(query, records + n * size, size);
}

MINAMO_SSE2_FUNCTION int32_t Sse2Weighted(const int16_t* weights, const uint8_t* bytes, size_t size) {
    const __m128i zero = _mm_setzero_si128();
    __m128i sum = zero;
    for (size_t i = 0; i < size; i += 8) {
        const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights + i));
        const __m128i x = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(bytes + i));
        sum = _mm_add_epi32(sum, _mm_madd_epi16(w, _mm_unpacklo_epi8(x, zero)));
    }
    return SumLanes(sum);
}
#endif

}  // namespace

bool Sse2Built() { return MINAMO_HAS_SSE2_CODE != 0; }

bool Sse2Assumed() {
#if defined(__SSE2__)
    return true;
#else
    return false;
#endif
}

int32_t FeatureDot::Bytes(const uint8_t* a, const uint8_t* b, size_t size) const {
#if MINAMO_HAS_SSE2_CODE
    if (sse2_) return Sse2Bytes(a, b, size);
#endif
    return PlainBytes(a, b, size);
}

void FeatureDot::EachRecord(const uint8_t* query, const uint8_t* records, size_t size, size_t count,
                            int32_t* out) const {
#if MINAMO_HAS_SSE2_CODE
    if (sse2_) return Sse2EachRecord(query, records, size, count, out);
#endif
    for (size_t n = 0; n < count; ++n) out[n] = PlainBytes(query, records + n * size, size);
}

int32_t FeatureDot::Weighted(const int16_t* weights, const uint8_t* bytes, size_t size) const {
#if MINAMO_HAS_SSE2_CODE
    if (sse2_) return Sse2Weighted(weights, bytes, size);
#endif
    return PlainWeighted(weights, bytes, size);
}

double FeatureDot::Cosine(const uint8_t* a, const uint8_t* b, size_t size) const {
    const int32_t dot = Bytes(a, b, size), aa = Bytes(a, a, size), bb = Bytes(b, b, size);
    return aa == 0 || bb == 0 ? 0.0 : dot / std::sqrt(double(aa) * bb);
}

}  // namespace shapes
