// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vorn::fuzz {

// Takes a fuzzer's input apart: control bytes from the front, the rest as data.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // The next byte, 0 once the input is used up.
    std::uint8_t byte() {
        if (rest_.empty())
            return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    // The next two bytes, low byte first.
    std::size_t word() {
        const std::size_t low = byte();
        return low | static_cast<std::size_t>(byte()) << 8;
    }
    // Up to `count` of the next bytes.
    std::string_view take(std::size_t count) {
        const std::string_view taken = rest_.substr(0, count);
        rest_.remove_prefix(taken.size());
        return taken;
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

// Stops the fuzzer with the broken promise; libFuzzer keeps the input that broke it.
[[noreturn]] void fail(const char* promise);

inline void require(bool holds, const char* promise) {
    if (!holds)
        fail(promise);
}

} // namespace vorn::fuzz
