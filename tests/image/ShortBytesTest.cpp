// SPDX-License-Identifier: GPL-3.0-or-later
// The short copies and compares, and the bracket search, work on several bytes at a time:
// every length and every position must come out as a byte-by-byte loop would.
#include "image/ShortBytes.h"

#include "image/KeyTextWalker.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace vorn {
namespace {

TEST(ShortBytes, CopyWritesExactlyItsBytes) {
    const std::string source = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (std::size_t n = 0; n <= 32; ++n) {
        std::string target(40, '.');
        shortBytes::copy(target.data() + 2, source.data(), n);
        EXPECT_EQ(target, ".." + source.substr(0, n) + std::string(38 - n, '.')) << n;
    }
}

TEST(ShortBytes, SameFindsADifferenceAtAnyPosition) {
    const std::string a = "[ABCDEFGHIJKLMNOPQRSTUVWXYZ0123]";
    for (std::size_t n = 0; n <= a.size(); ++n) {
        EXPECT_TRUE(shortBytes::same(a.data(), std::string(a).data(), n)) << n;
        for (std::size_t at = 0; at < n; ++at) {
            std::string b = a;
            b[at] ^= 0x20;
            EXPECT_FALSE(shortBytes::same(a.data(), b.data(), n)) << n << " at " << at;
        }
    }
}

TEST(KeyTextWalker, NextBracketFindsTheFirstBracket) {
    // Bytes one bit away from the brackets, and bytes that differ only in the top bit.
    const std::string alphabet = "[]Z\\_Y{}\x5A\x5C\xDB\xDD\x1B\x1D" + std::string(1, '\0') + "a";
    std::mt19937 random(5);
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 24, ' ');
        for (char& c : text)
            c = random() % 3 == 0 ? alphabet[random() % alphabet.size()] : 'q';
        for (std::size_t from = 0; from <= text.size(); ++from) {
            const std::size_t expected = std::min(text.find_first_of("[]", from), text.size());
            ASSERT_EQ(detail::nextBracket(text, from), expected) << text << " from " << from;
        }
    }
}

} // namespace
} // namespace vorn
