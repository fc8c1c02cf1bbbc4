// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "image/TemplateImage.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// By key number: what is printed on the key's cap, UTF-8, lines joined by '\n'; empty for
// none. Labels never reach the keyboard: they are kept in a file beside the template.
using KeyCapLabels = std::array<std::string, keyNumberCount>;

inline constexpr int maxLabelLines = 3;
inline constexpr int maxLabelLineLength = 24;

// Why `label` cannot be kept (bad UTF-8, a TAB or another control character, too many lines
// or characters); nullopt when it can.
std::optional<std::string> labelProblem(std::string_view label);

// The label as it is kept: the line breaks it ends with (a Return typed last) dropped.
std::string keptLabel(std::string label);

bool hasLabels(const KeyCapLabels& labels);

// A label in the labels file: a line break as "\n", a backslash as "\\".
std::string escapeLabel(std::string_view label);
// The label such a field stands for; on another backslash, nothing and why in `error`.
std::optional<std::string> unescapeLabel(std::string_view field, std::string& error);

// The labels file's text: one line per labelled key, "KEY<TAB>LABEL", by key number.
std::string formatLabels(const KeyCapLabels& labels);

// What the reader found: every good line's label, and one problem ("line N: why") per
// malformed line, which is left out.
struct LabelsRead {
    KeyCapLabels labels;
    std::vector<std::string> problems;
};
LabelsRead parseLabels(std::string_view text);

// The template's full file name with ".labels" appended.
std::string labelFilePath(const std::string& templatePath);

// Reads the labels beside the template. A missing file means no labels (error 0); any other
// failure is the system's error number (or notRegularFile), the labels then empty.
struct LabelFileRead {
    int error = 0;
    LabelsRead read;
};
LabelFileRead readLabelFile(const std::string& templatePath);

// Writes the labels beside the template atomically, or removes the file when there is no
// label. 0 on success, else the system's error number (or notRegularFile).
int writeLabelFile(const std::string& templatePath, const KeyCapLabels& labels);

} // namespace vorn
