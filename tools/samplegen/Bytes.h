// A growing byte buffer with the little-endian writers that every file format
// of the collection needs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace samplegen {

class Bytes {
public:
    void u8(std::uint32_t v) { data_.push_back(static_cast<std::uint8_t>(v)); }
    void u16(std::uint32_t v) {
        u8(v & 0xFF);
        u8((v >> 8) & 0xFF);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void tag(const char (&fourcc)[5]) { append(fourcc, 4); }
    void append(const void* p, std::size_t n) {
        const auto* b = static_cast<const std::uint8_t*>(p);
        data_.insert(data_.end(), b, b + n);
    }
    void append(const std::vector<std::uint8_t>& v) { data_.insert(data_.end(), v.begin(), v.end()); }
    void append(const std::string& s) { append(s.data(), s.size()); }
    std::size_t size() const { return data_.size(); }
    const std::vector<std::uint8_t>& data() const { return data_; }

private:
    std::vector<std::uint8_t> data_;
};

} // namespace samplegen
