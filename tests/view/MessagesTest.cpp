// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/OemCharset.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

TEST(OemCharset, BytesShowAsCodePage437Glyphs) {
    EXPECT_EQ(oemToUnicode(std::string_view("\x01\x0d\x9d\xf8 A\\", 7)),
              QString::fromUtf16(u"☺♪¥° A\\"));
}

} // namespace
} // namespace vorn
