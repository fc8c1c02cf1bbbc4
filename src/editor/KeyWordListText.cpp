// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KeyWordListText.h"

#include "document/Translation.h"
#include "image/KeyWords.h"

#include <algorithm>
#include <vector>

namespace vorn {

namespace {

constexpr std::size_t tabWidth = 8;
constexpr std::size_t descriptionColumn = 24;

// Tabs from `column` up to the descriptions' column, one to three.
std::string tabsFrom(std::size_t column) {
    std::size_t tabs = 0;
    do {
        column = (column / tabWidth + 1) * tabWidth;
        ++tabs;
    } while (column < descriptionColumn && tabs < 3);
    return std::string(tabs, '\t');
}

} // namespace

std::string keyWordListText() {
    std::vector<const KeyWord*> listed;
    for (const KeyWord& word : keyWordTable())
        if (word.listPosition != 0)
            listed.push_back(&word);
    std::ranges::sort(listed, {}, &KeyWord::listPosition);

    std::string text = translateText("vorn::KeyWordListText", " Symbol:\t\tFunction Key's Name\n ");
    text += std::string(41, '=') + '\n';
    int group = listed.empty() ? 0 : listed.front()->listGroup();
    for (const KeyWord* word : listed) {
        if (word->listGroup() != group) {
            text += '\n';
            group = word->listGroup();
        }
        const std::string entry = " " + std::string(word->word);
        text += entry + tabsFrom(entry.size()) +
                translateText("vorn::KeyWords", word->listDescription) + '\n';
    }
    text += translateText(
        "vorn::KeyWordListText",
        "\n Note:\tNormal alpha-numeric characters and symbols are represented in scan code as\n"
        "\tthe character itself enclosed in square brackets.  For example [A] [B] [C]\n"
        "\t[1] [2] [3] [-] [;] [,] [/].\n");
    return text;
}

} // namespace vorn
