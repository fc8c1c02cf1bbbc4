// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/TextFileFormat.h"

#include <algorithm>

namespace vorn {

namespace {

constexpr char endOfFile = '\xFF';

void appendEscaped(std::string& out, std::string_view field) {
    for (const char c : field) {
        if (c == '\\' || c == ',')
            out += '\\';
        out += c;
    }
}

// Splits one line into caption, key text and an ignored third field.
TextRow splitLine(std::string_view line) {
    TextRow row;
    std::string ignored;
    std::string* fields[] = {&row.caption, &row.keyText, &ignored};
    std::size_t field = 0;
    bool escaped = false;
    for (const char c : line) {
        if (c == '\\' && !escaped) {
            escaped = true;
            continue;
        }
        if (c == ',' && !escaped) {
            if (field < 2)
                ++field;
            continue;
        }
        fields[field]->push_back(c);
        escaped = false;
    }
    return row;
}

} // namespace

std::string textFileLine(std::string_view caption, std::string_view keyText) {
    std::string line;
    appendEscaped(line, caption);
    line += ',';
    appendEscaped(line, keyText);
    line += "\r\n";
    return line;
}

bool fitsTextFile(std::string_view field) {
    return std::ranges::none_of(field, [](char c) { return c == '\n' || c == endOfFile; });
}

bool TextFileParser::feed(std::string_view bytes) {
    if (ended_)
        return false;
    for (const char c : bytes) {
        if (c == endOfFile) {
            ended_ = true;
            return false;
        }
        if (c == '\n')
            endLine();
        else
            line_ += c;
    }
    return true;
}

void TextFileParser::endLine() {
    if (!line_.empty() && line_.back() == '\r')
        line_.pop_back();
    if (rowCount_ < rowsToKeep_)
        rows_.push_back(splitLine(line_));
    ++rowCount_;
    line_.clear();
}

} // namespace vorn
