// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageSize>
#include <array>
#include <optional>
#include <string_view>

namespace vorn {

enum class LegendPaper { a4, letter, legal };

struct LegendPaperName {
    LegendPaper paper;
    std::string_view name;
    QPageSize::PageSizeId pageSize;
};

inline constexpr std::array<LegendPaperName, 3> legendPapers{{
    {LegendPaper::a4, "a4", QPageSize::A4},
    {LegendPaper::letter, "letter", QPageSize::Letter},
    {LegendPaper::legal, "legal", QPageSize::Legal},
}};

// The paper a name (a4, letter, legal) stands for; nothing for another name.
inline std::optional<LegendPaper> legendPaperNamed(std::string_view name) {
    for (const LegendPaperName& entry : legendPapers)
        if (entry.name == name)
            return entry.paper;
    return std::nullopt;
}

inline QPageSize::PageSizeId legendPageSize(LegendPaper paper) {
    return legendPapers[static_cast<std::size_t>(paper)].pageSize;
}

// How a legend sheet is printed.
struct LegendOptions {
    // Millimetres between the left edges of two neighbouring standard keys (30 view pixels).
    double pitch = 19.05;
    LegendPaper paper = LegendPaper::a4;
    // A key without a label shows its key text as vornctl's dump does.
    bool keyTexts = false;
};

inline constexpr double minLegendPitch = 10;
inline constexpr double maxLegendPitch = 30;

} // namespace vorn
