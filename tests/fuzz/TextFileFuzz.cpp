// SPDX-License-Identifier: GPL-3.0-or-later
// The text-file parser fed in pieces gives what it gives fed whole.
#include "FuzzInput.h"
#include "document/TextFileFormat.h"

// Input: the number of rows to keep, a seed for the piece sizes, then the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorn;
    fuzz::FuzzInput input(data, size);
    const int rowsToKeep = input.byte();
    std::uint32_t state = input.byte();
    const std::string_view file = input.rest();

    TextFileParser whole(rowsToKeep);
    whole.feed(file);
    const bool wholeGoesOn = whole.feed({});

    TextFileParser pieces(rowsToKeep);
    for (std::size_t pos = 0; pos < file.size();) {
        state = state * 1103515245u + 12345u;
        const std::size_t length = (state >> 16) % 40; // empty pieces too
        pieces.feed(file.substr(pos, length));
        pos += length;
    }
    const bool piecesGoOn = pieces.feed({});

    fuzz::require(pieces.rowCount() == whole.rowCount(), "the same number of rows");
    fuzz::require(pieces.rows() == whole.rows(), "the same rows");
    fuzz::require(piecesGoOn == wholeGoesOn, "the same end of file");
    return 0;
}
