// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// The text form of a template: one line per key cap, caption, comma, key text, CR LF; a
// backslash and a comma inside a field are written with a backslash in front.

// One line of a text file.
struct TextRow {
    std::string caption;
    std::string keyText;
    friend bool operator==(const TextRow&, const TextRow&) = default;
};

// The most bytes a text file is read for; a larger or endless source is refused.
inline constexpr std::size_t textFileSizeLimit = 1024 * 1024;

// The line for one key cap, with its CR LF.
std::string textFileLine(std::string_view caption, std::string_view keyText);

// False when the field holds a byte the reader would not give back: a line feed or 0xFF.
bool fitsTextFile(std::string_view field);

// Reads a text file fed in pieces: splits lines at LF (dropping a CR right before it) and
// lines into fields, and stops at the first 0xFF byte. Bytes after the last LF are no row.
class TextFileParser {
public:
    // Keeps the first `rowsToKeep` rows; the others are only counted.
    explicit TextFileParser(int rowsToKeep)
        : rowsToKeep_(rowsToKeep) {}

    // Returns false once a 0xFF byte has ended the file; later bytes are ignored.
    bool feed(std::string_view bytes);

    int rowCount() const { return rowCount_; }
    const std::vector<TextRow>& rows() const { return rows_; }

private:
    void endLine();

    int rowsToKeep_;
    int rowCount_ = 0;
    bool ended_ = false;
    std::string line_;
    std::vector<TextRow> rows_;
};

} // namespace vorn
