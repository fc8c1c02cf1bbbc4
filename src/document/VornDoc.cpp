#include "document/VornDoc.h"

#include "document/Files.h"
#include "document/SettingsStore.h"
#include "document/TextFileFormat.h"
#include "document/UserMessages.h"
#include "image/KeyTextChecks.h"
#include "image/KeyTextDecoder.h"
#include "image/KeyTextEncoder.h"

#include <algorithm>
#include <filesystem>

namespace vorn {

namespace {

constexpr std::string_view wrongRowCountMessage = "The number of rows in the text file is wrong\n";

std::string fileMessage(std::string_view kind, const std::string& path, std::string_view what,
                        int error) {
    return std::string(kind) + ": <" + path + "> " + std::string(what) +
           " !! Error code = " + std::to_string(error);
}

std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

// The settings bytes a user edits: the card reader area and the keyboard settings.
bool sameSettings(const TemplateImage& a, const TemplateImage& b) {
    const auto same = [&](std::size_t from, std::size_t to) {
        return std::equal(a.begin() + from, a.begin() + to, b.begin() + from);
    };
    return same(offsets::track1Prefix, offsets::blockIndex) &&
           same(offsets::interCharDelay, offsets::signature);
}

} // namespace

DocumentPlaces DocumentPlaces::ofProcess() {
    return {currentDirectory(), programDataDirectories()};
}

CVornDoc::CVornDoc(SettingsStore& settings, UserMessages& messages, DocumentPlaces places,
                   std::optional<int> modelId)
    : settings_(settings)
    , messages_(messages)
    , places_(std::move(places))
    , modelId_(modelId ? *modelId : storedModelId(settings)) {
    applyModel();
    resetBaseline();
}

int CVornDoc::storedModelId(const SettingsStore& settings) {
    return settings.readInt(settingsSection, settingsEntry, defaultModelId);
}

bool CVornDoc::isModified() const {
    return keyText != baselineTexts_ || !sameSettings(image, baselineImage_);
}

void CVornDoc::resetBaseline() {
    baselineTexts_ = keyText;
    baselineImage_ = image;
}

void CVornDoc::resetImage() {
    image = newTemplateImage(modelId_);
}

void CVornDoc::applyModel() {
    const KeyboardModel& model = keyboardModel(modelId_);
    layout_.apply(modelId_);
    const KeyLabels labels = defaultKeyLabels(modelId_);
    std::copy_n(labels.begin(), layout_.keyCount(), keyLabel.begin());
    modelName_ = model.name;
    hasCardReader_ = model.hasCardReader;
    setTitleFor("Template");
}

void CVornDoc::markAllKeysBlank() {
    keyBlank.fill(true);
    keyDefined.fill(true);
}

void CVornDoc::setTitleFor(const std::string& name) {
    documentTitle_ = name + " : " + modelName_;
}

bool CVornDoc::onNewDocument() {
    resetImage();
    decodeImage(image, modelId_, keyText);
    markAllKeysBlank();
    resetBaseline();
    return true;
}

bool CVornDoc::onOpenDocument(const std::string& path) {
    const TemplateFileRead read = readTemplateFile(path, image);
    if (read.error) {
        messages_.showMessage(fileMessage("The template file", path, "can't be read", read.error));
        return false;
    }
    if (!read.whole()) {
        messages_.showMessage("The template file: <" + path + "> holds " +
                              std::to_string(read.bytes) + " bytes, not " +
                              std::to_string(imageSize) + " !!\nThe template is not loaded.");
        return false;
    }
    if (const ImageCheck check = validateImage(image); check != ImageCheck::valid)
        messages_.showMessage(imageCheckMessage(check));
    decodeImage(image, modelId_, keyText);
    for (int k = 0; k < keyNumberCount; ++k) {
        if (encodedLength(keyText[k]) >= 1) {
            keyBlank[k] = false;
            keyDefined[k] = true;
        } else {
            keyBlank[k] = true;
        }
    }
    resetBaseline();
    return true;
}

std::string overflowQuestion(int bytesOver) {
    return "The key texts need " + std::to_string(bytesOver) +
           " bytes more than the template has room for !\nThe keys stored last will be cut when "
           "the template is saved.\nSave anyway?";
}

FileResult CVornDoc::onSaveDocument(const std::string& path) {
    if (!checkAllKeyTexts())
        return FileResult::refused;
    if (const int space = spaceLeft(); space < 0) {
        if (!messages_.askYesNo(overflowQuestion(-space)))
            return FileResult::refused;
    }
    encodeImage(image, keyText, modelId_);
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    if (const int error = writeFileAtomically(path, bytes)) {
        messages_.showMessage(fileMessage("The template file", path, "can't be written", error));
        return FileResult::failed;
    }
    resetBaseline();
    return FileResult::done;
}

void CVornDoc::switchModel(int modelId) {
    modelId_ = modelId;
    settings_.writeInt(settingsSection, settingsEntry, modelId_);
    resetImage();
    decodeImage(image, modelId_, keyText);
    markAllKeysBlank();
    applyModel();
    resetBaseline();
}

bool CVornDoc::checkAllKeyTexts() {
    if (!firstInvalidKeyText(keyText))
        return true;
    messages_.showMessage(wrongKeyTextMessage);
    return false;
}

int CVornDoc::spaceLeft() const {
    return keyAreaSpaceLeft(keyText, modelId_);
}

int CVornDoc::measureSpaceLeft() {
    for (int key = 0; key < keyNumberCount; ++key)
        keyBlank[key] = encodedLength(keyText[key]) < 1;
    return spaceLeft();
}

bool CVornDoc::readTextFile(const std::string& path) {
    TextFileParser parser(keyCount());
    std::size_t taken = 0;
    bool tooLarge = false;
    const int error = readFileChunks(path, [&](std::string_view chunk) {
        // Bytes past the limit count only when the file has not ended before them.
        const std::size_t room = textFileSizeLimit - taken;
        taken += std::min(room, chunk.size());
        if (!parser.feed(chunk.substr(0, room)))
            return false;
        tooLarge = chunk.size() > room;
        return !tooLarge;
    });
    if (error) {
        messages_.showMessage(fileMessage("The text file", path, "is NOT in the directory", error));
        return false;
    }
    if (tooLarge) {
        messages_.showMessage("The text file: <" + path + "> is larger than " +
                              std::to_string(textFileSizeLimit) +
                              " bytes (1 MiB) !!\nNothing is imported.");
        return false;
    }
    const auto& rows = parser.rows();
    for (std::size_t slot = 0; slot < rows.size(); ++slot) {
        keyLabel[slot] = rows[slot].caption;
        keyText[layout_.slotKey()[slot]] = rows[slot].keyText;
    }
    if (parser.rowCount() != keyCount())
        messages_.showMessage(wrongRowCountMessage);
    return true;
}

std::optional<std::string> CVornDoc::textFileContents() {
    std::string contents;
    for (int slot = 0; slot < keyCount(); ++slot) {
        const std::string& caption = keyLabel[slot];
        const std::string& text = keyText[layout_.slotKey()[slot]];
        if (!fitsTextFile(caption) || !fitsTextFile(text)) {
            messages_.showMessage("The caption or key text of slot " + std::to_string(slot) + " <" +
                                  caption +
                                  "> holds a line feed or a 0xFF byte, which a text file "
                                  "can't keep !!\nNo text file is written.");
            return std::nullopt;
        }
        contents += textFileLine(caption, text);
    }
    return contents;
}

FileResult CVornDoc::writeTextFile(const std::string& path) {
    const auto contents = textFileContents();
    if (!contents)
        return FileResult::refused;
    if (const int error = writeFileAtomically(path, *contents)) {
        messages_.showMessage(fileMessage("The text file", path, "can't be written", error));
        return FileResult::failed;
    }
    return FileResult::done;
}

bool CVornDoc::loadDefault() {
    const std::string file(keyboardModel(modelId_).defaultTextFile);
    const std::string inStartDirectory = places_.startDirectory + "/" + file;
    std::string path = inStartDirectory;
    if (!fileExists(path)) {
        const auto found = std::ranges::find_if(
            places_.dataDirectories, [&](const auto& dir) { return fileExists(dir + "/" + file); });
        if (found != places_.dataDirectories.end())
            path = *found + "/" + file;
    }
    if (!readTextFile(path))
        return false;
    setTitleFor(path);
    return true;
}

bool CVornDoc::importTextData(const std::string& path) {
    if (!readTextFile(path))
        return false;
    setTitleFor(fileName(path));
    return true;
}

FileResult CVornDoc::exportTextData(const std::string& path) {
    const FileResult result = writeTextFile(path);
    if (result == FileResult::done)
        setTitleFor(fileName(path));
    return result;
}

} // namespace vorn
