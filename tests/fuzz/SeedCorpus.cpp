// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the fuzz targets' seed corpora, made from the default text files, and a dictionary
// of the key words: vorn_fuzz_seeds DATA_DIR OUT_DIR.
#include "document/KeyboardModels.h"
#include "document/TextFileFormat.h"
#include "image/KeyTextEncoder.h"
#include "image/KeyWords.h"
#include "layout/KeyLayout.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>

namespace vorn::fuzz {
namespace {

namespace fs = std::filesystem;

// The card reader fields: offset and size.
constexpr std::pair<std::size_t, std::size_t> cardFields[] = {
    {offsets::track1Prefix, trackFieldSize},
    {offsets::track1Suffix, trackFieldSize},
    {offsets::track2Prefix, trackFieldSize},
    {offsets::track2Suffix, trackFieldSize},
    {offsets::track3Prefix, trackFieldSize},
    {offsets::track3Suffix, trackFieldSize},
    {offsets::track1Terminator, terminatorFieldSize},
    {offsets::cardPrefix, cardFieldSize},
    {offsets::cardSuffix, cardFieldSize},
};

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string twoBytes(std::size_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

// A dictionary entry in libFuzzer's syntax.
std::string dictionaryEntry(std::string_view word) {
    std::string entry = "\"";
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F) {
            constexpr std::string_view hex = "0123456789ABCDEF";
            entry += "\\x";
            entry += hex[byte >> 4];
            entry += hex[byte & 0xF];
            continue;
        }
        if (c == '"' || c == '\\')
            entry += '\\';
        entry += c;
    }
    return entry + "\"\n";
}

void writeDictionary(const fs::path& path) {
    std::string dictionary;
    for (const KeyWord& k : keyWordTable()) {
        dictionary += dictionaryEntry(k.word);
        if (!k.synonym.empty())
            dictionary += dictionaryEntry(k.synonym);
    }
    for (const std::string_view word :
         {functionWords::carriageReturn, functionWords::caps, functionWords::separator,
          functionWords::delayPrefix, functionWords::shiftLevelPrefix, std::string_view("[["),
          std::string_view("]]"), std::string_view("[LF]"), std::string_view("[TB]"),
          std::string_view("\\,"), std::string_view("\r\n")})
        dictionary += dictionaryEntry(word);
    writeFile(path, dictionary);
}

// The seeds one default text file gives each target.
void writeSeeds(const KeyboardModel& model, const std::string& file, const fs::path& seeds,
                std::set<std::string>& keyTexts) {
    const std::string name(model.defaultTextFile);
    writeFile(seeds / "text_file" / name, std::string{'\xB0', '\x07'} + file);

    TextFileParser parser(model.keyCount);
    parser.feed(file);
    const KeyLayout layout(model.id);
    KeyTexts keyText;
    for (std::size_t slot = 0; slot < parser.rows().size(); ++slot) {
        keyText[layout.slotKey()[slot]] = parser.rows()[slot].keyText;
        keyTexts.insert(parser.rows()[slot].keyText);
    }
    TemplateImage image = newTemplateImage(model.id);
    encodeImage(image, keyText, model.id);
    writeFile(seeds / "image_codec" / (name + ".tpl"), static_cast<char>(model.id - 2013) +
                                                           twoBytes(0) +
                                                           std::string(image.begin(), image.end()));
}

int run(const fs::path& data, const fs::path& out) {
    const fs::path seeds = out / "seeds";
    for (const char* target : {"image_codec", "key_text", "card_field", "text_file"})
        fs::create_directories(seeds / target);
    std::set<std::string> keyTexts;
    for (const KeyboardModel& model : keyboardModels()) {
        const fs::path path = data / model.defaultTextFile;
        if (!fs::exists(path)) {
            std::cerr << "vorn_fuzz_seeds: " << path.string() << " is missing\n";
            return 1;
        }
        writeSeeds(model, readFile(path), seeds, keyTexts);
    }
    const TemplateImage fresh = newTemplateImage(2013);
    int number = 0;
    for (const std::string& text : keyTexts) {
        if (text.empty())
            continue;
        const std::string id = std::to_string(number);
        writeFile(seeds / "key_text" / id, text);
        const auto [offset, size] = cardFields[number % std::size(cardFields)];
        writeFile(seeds / "card_field" / id,
                  twoBytes(offset) + static_cast<char>(size) + '\xFF' +
                      std::string(fresh.begin() + offset, fresh.begin() + offset + size) + text);
        ++number;
    }
    writeDictionary(out / "keywords.dict");
    return 0;
}

} // namespace
} // namespace vorn::fuzz

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vorn_fuzz_seeds DATA_DIR OUT_DIR\n";
        return 2;
    }
    return vorn::fuzz::run(argv[1], argv[2]);
}
