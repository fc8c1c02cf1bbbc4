// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vorn::shortBytes {

// Key words and records are a few bytes long: these compare and copy them with two
// overlapping loads a side instead of a library call.

template <class Word> Word load(const char* p) {
    Word word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

template <class Word> void store(char* p, Word word) {
    std::memcpy(p, &word, sizeof word);
}

// Whether the n bytes at a and b are the same.
inline bool same(const char* a, const char* b, std::size_t n) {
    if (n > 24)
        return std::memcmp(a, b, n) == 0;
    if (n >= 8)
        return load<std::uint64_t>(a) == load<std::uint64_t>(b) &&
               (n <= 16 || load<std::uint64_t>(a + 8) == load<std::uint64_t>(b + 8)) &&
               load<std::uint64_t>(a + n - 8) == load<std::uint64_t>(b + n - 8);
    if (n >= 4)
        return load<std::uint32_t>(a) == load<std::uint32_t>(b) &&
               load<std::uint32_t>(a + n - 4) == load<std::uint32_t>(b + n - 4);
    if (n >= 2)
        return load<std::uint16_t>(a) == load<std::uint16_t>(b) &&
               load<std::uint16_t>(a + n - 2) == load<std::uint16_t>(b + n - 2);
    return n == 0 || a[0] == b[0];
}

// Copies n bytes from src to dst (not overlapping); writes nothing outside dst[0, n).
inline void copy(char* dst, const char* src, std::size_t n) {
    if (n > 16) {
        std::memcpy(dst, src, n);
    } else if (n >= 8) {
        const auto head = load<std::uint64_t>(src);
        const auto tail = load<std::uint64_t>(src + n - 8);
        store(dst, head);
        store(dst + n - 8, tail);
    } else if (n >= 4) {
        const auto head = load<std::uint32_t>(src);
        const auto tail = load<std::uint32_t>(src + n - 4);
        store(dst, head);
        store(dst + n - 4, tail);
    } else if (n >= 2) {
        const auto head = load<std::uint16_t>(src);
        const auto tail = load<std::uint16_t>(src + n - 2);
        store(dst, head);
        store(dst + n - 2, tail);
    } else if (n == 1) {
        dst[0] = src[0];
    }
}

} // namespace vorn::shortBytes
