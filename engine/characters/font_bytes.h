// A read-only view of some of a font file's bytes that never reads outside
// them: a font file comes from another PC and may be cut off or made to do
// harm, so every offset and length it names is checked here before use.
#pragma once

#include <cstddef>
#include <cstdint>

namespace characters {

class FontBytes {
public:
    FontBytes() = default;
    FontBytes(const unsigned char* data, size_t size) : data_(data), size_(size) {}

    size_t Size() const { return size_; }
    const unsigned char* Data() const { return data_; }

    // Whether length bytes from offset lie inside; no sum can overflow.
    bool Has(size_t offset, size_t length) const { return offset <= size_ && length <= size_ - offset; }
    // Whether count items of each bytes (each > 0) from offset lie inside.
    bool HasArray(size_t offset, size_t count, size_t each) const {
        return offset <= size_ && count <= (size_ - offset) / each;
    }

    // The big-endian number at offset; false, and value untouched, when
    // the bytes are not all there.
    bool U16(size_t offset, uint16_t& value) const {
        if (!Has(offset, 2)) return false;
        value = static_cast<uint16_t>(data_[offset] << 8 | data_[offset + 1]);
        return true;
    }
    bool U32(size_t offset, uint32_t& value) const {
        if (!Has(offset, 4)) return false;
        value = static_cast<uint32_t>(data_[offset]) << 24 | static_cast<uint32_t>(data_[offset + 1]) << 16 |
                static_cast<uint32_t>(data_[offset + 2]) << 8 | data_[offset + 3];
        return true;
    }

    // The bytes from offset on, length of them; false when they are not all there.
    bool Part(size_t offset, size_t length, FontBytes& part) const {
        if (!Has(offset, length)) return false;
        part = FontBytes(data_ + offset, length);
        return true;
    }

private:
    const unsigned char* data_ = nullptr;
    size_t size_ = 0;
};

}  // namespace characters
