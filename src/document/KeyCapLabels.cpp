// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/KeyCapLabels.h"

#include "document/Files.h"
#include "document/TextFileFormat.h"
#include "document/Translation.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace vorn {

namespace {

// The length in bytes of the UTF-8 sequence at `at`, 0 when it is not a valid one (overlong
// forms, surrogates and code points past U+10FFFF included).
std::size_t utf8Length(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (at + length > text.size())
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    return length;
}

// Characters, counted as code points.
std::optional<std::string> lineProblem(std::string_view line) {
    int characters = 0;
    for (std::size_t at = 0; at < line.size(); ++characters) {
        const std::size_t length = utf8Length(line, at);
        if (length == 0)
            return translateText("vorn::KeyCapLabels", "the label is not valid UTF-8 text");
        const unsigned char c = static_cast<unsigned char>(line[at]);
        if (c == '\t')
            return translateText("vorn::KeyCapLabels", "a label cannot hold a TAB");
        if (c < 0x20 || c == 0x7F)
            return translateText("vorn::KeyCapLabels", "a label cannot hold control characters");
        at += length;
    }
    if (characters > maxLabelLineLength)
        return fillIn(
            translateText("vorn::KeyCapLabels", "a label line has more than %1 characters"),
            {std::to_string(maxLabelLineLength)});
    return std::nullopt;
}

// One line of the file into `labels`; the problem when it is malformed.
std::optional<std::string> parseLine(std::string_view line, KeyCapLabels& labels) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos)
        return translateText("vorn::KeyCapLabels", "a key number and a TAB must begin the line");
    const std::optional<int> key = parseKeyNumber(line.substr(0, tab));
    if (!key)
        return fillIn(translateText("vorn::KeyCapLabels", "the key number must be 0 to %1"),
                      {std::to_string(keyNumberCount - 1)});
    std::string error;
    std::optional<std::string> label = unescapeLabel(line.substr(tab + 1), error);
    if (!label)
        return error;
    if (auto problem = labelProblem(*label))
        return problem;
    labels[static_cast<std::size_t>(*key)] = std::move(*label);
    return std::nullopt;
}

} // namespace

std::optional<std::string> labelProblem(std::string_view label) {
    int lines = 0;
    for (std::size_t start = 0;; ++lines) {
        const std::size_t end = std::min(label.find('\n', start), label.size());
        if (auto problem = lineProblem(label.substr(start, end - start)))
            return problem;
        if (end == label.size())
            break;
        start = end + 1;
    }
    if (lines + 1 > maxLabelLines)
        return fillIn(translateText("vorn::KeyCapLabels", "a label has at most %1 lines"),
                      {std::to_string(maxLabelLines)});
    return std::nullopt;
}

std::string keptLabel(std::string label) {
    while (label.ends_with('\n'))
        label.pop_back();
    return label;
}

bool hasLabels(const KeyCapLabels& labels) {
    return std::ranges::any_of(labels, [](const std::string& label) { return !label.empty(); });
}

std::optional<std::string> unescapeLabel(std::string_view field, std::string& error) {
    std::string label;
    for (std::size_t at = 0; at < field.size(); ++at) {
        if (field[at] != '\\') {
            label += field[at];
            continue;
        }
        const char next = at + 1 < field.size() ? field[at + 1] : '\0';
        if (next == 'n')
            label += '\n';
        else if (next == '\\')
            label += '\\';
        else {
            error = translateText("vorn::KeyCapLabels",
                                  "a backslash must be followed by n or another backslash");
            return std::nullopt;
        }
        ++at;
    }
    return label;
}

std::string escapeLabel(std::string_view label) {
    std::string field;
    for (const char c : label) {
        if (c == '\n')
            field += "\\n";
        else if (c == '\\')
            field += "\\\\";
        else
            field += c;
    }
    return field;
}

std::string formatLabels(const KeyCapLabels& labels) {
    std::string text;
    for (int key = 0; key < keyNumberCount; ++key) {
        const std::string& label = labels[static_cast<std::size_t>(key)];
        if (!label.empty())
            text += std::to_string(key) + '\t' + escapeLabel(label) + '\n';
    }
    return text;
}

LabelsRead parseLabels(std::string_view text) {
    LabelsRead read;
    int number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (auto problem = parseLine(line, read.labels))
            read.problems.push_back(fillIn(translateText("vorn::KeyCapLabels", "line %1: %2"),
                                           {std::to_string(number), *problem}));
    }
    return read;
}

std::string labelFilePath(const std::string& templatePath) {
    return templatePath + ".labels";
}

LabelFileRead readLabelFile(const std::string& templatePath) {
    LabelFileRead result;
    std::string text;
    bool tooLarge = false;
    const int error = readFileChunks(labelFilePath(templatePath), [&](std::string_view chunk) {
        tooLarge = text.size() + chunk.size() > textFileSizeLimit;
        if (!tooLarge)
            text += chunk;
        return !tooLarge;
    });
    if (error == ENOENT)
        return result;
    result.error = error;
    if (error)
        return result;
    result.read = parseLabels(text);
    if (tooLarge)
        result.read.problems.push_back(translateText(
            "vorn::KeyCapLabels", "the file is larger than 1 MiB; the rest is not read"));
    return result;
}

int writeLabelFile(const std::string& templatePath, const KeyCapLabels& labels) {
    const std::string path = labelFilePath(templatePath);
    if (hasLabels(labels))
        return writeFileAtomically(path, formatLabels(labels));
    if (!isRegularOrMissing(path))
        return notRegularFile;
    if (std::remove(path.c_str()) != 0 && errno != ENOENT)
        return errno;
    return 0;
}

} // namespace vorn
