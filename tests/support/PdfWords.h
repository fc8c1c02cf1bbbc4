// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

namespace vorn::test {

// One word of a PDF's text as poppler's pdftotext -bbox finds it: its box in millimetres from
// the page's top-left corner.
struct PdfWord {
    std::string text;
    double left, top, right, bottom;
};

struct PdfPage {
    double width, height; // millimetres
    std::vector<PdfWord> words;

    bool has(const std::string& text) const {
        for (const PdfWord& word : words)
            if (word.text == text)
                return true;
        return false;
    }
    // The page's words joined by spaces, in pdftotext's order.
    std::string text() const {
        std::string all;
        for (const PdfWord& word : words)
            all += (all.empty() ? "" : " ") + word.text;
        return all;
    }
};

// The pages of a PDF file; none when pdftotext fails.
inline std::vector<PdfPage> readPdfWords(const std::string& pdf) {
    const std::string html = pdf + ".words.html";
    const std::string command = "pdftotext -bbox '" + pdf + "' '" + html + "'";
    if (std::system(command.c_str()) != 0)
        return {};
    std::ifstream in(html);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(html);

    constexpr double mmPerPoint = 25.4 / 72;
    const std::regex page(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    const std::regex either(R"(<page [^>]*>|<word [^<]*</word>)");
    std::vector<PdfPage> pages;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), either);
         it != std::sregex_iterator(); ++it) {
        std::smatch m;
        const std::string found = it->str();
        if (std::regex_match(found, m, page)) {
            pages.push_back({std::stod(m[1]) * mmPerPoint, std::stod(m[2]) * mmPerPoint, {}});
        } else if (std::regex_match(found, m, word) && !pages.empty()) {
            std::string decoded = std::regex_replace(m[5].str(), std::regex("&lt;"), "<");
            decoded = std::regex_replace(decoded, std::regex("&gt;"), ">");
            decoded = std::regex_replace(decoded, std::regex("&quot;"), "\"");
            decoded = std::regex_replace(decoded, std::regex("&amp;"), "&");
            pages.back().words.push_back(
                {decoded, std::stod(m[1]) * mmPerPoint, std::stod(m[2]) * mmPerPoint,
                 std::stod(m[3]) * mmPerPoint, std::stod(m[4]) * mmPerPoint});
        }
    }
    return pages;
}

} // namespace vorn::test
