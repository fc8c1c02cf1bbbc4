// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/VornDoc.h"

#include "document/Files.h"
#include "document/KeyCapLabels.h"
#include "document/SettingsStore.h"
#include "document/TextFileFormat.h"
#include "document/Translation.h"
#include "document/UserMessages.h"
#include "image/KeyTextChecks.h"
#include "image/KeyTextDecoder.h"
#include "image/KeyTextEncoder.h"

#include <algorithm>
#include <filesystem>

namespace vorn {

namespace {

constexpr std::string_view wrongRowCountMessage =
    VORN_TRANSLATE_NOOP("vorn::Messages", "The number of rows in the text file is wrong\n");

// Our own file messages name the error in words: FORM with the file as %1 and the error as %2;
// a device, FIFO or folder gets NOT_REGULAR, which says what it is.
std::string fileMessage(const std::string& path, int error, std::string_view notRegular,
                        std::string_view form) {
    if (error == notRegularFile)
        return fillIn(notRegular, {path});
    return fillIn(form, {path, fileErrorText(error)});
}

// The text file message of old quotes the error's number.
std::string missingTextFileMessage(const std::string& path, int error) {
    if (error == notRegularFile)
        return fillIn(
            translateText("vorn::Messages", "The text file: <%1> is not a regular file !!"),
            {path});
    return fillIn(translateText("vorn::Messages",
                                "The text file: <%1> is NOT in the directory !! Error code = %2"),
                  {path, std::to_string(error)});
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
    return keyText_ != baselineTexts_ || capLabel_ != baselineLabels_ ||
           !sameSettings(image_, baselineImage_);
}

void CVornDoc::resetBaseline() {
    baselineTexts_ = keyText_;
    baselineLabels_ = capLabel_;
    baselineImage_ = image_;
}

void CVornDoc::resetImage() {
    image_ = newTemplateImage(modelId_);
}

void CVornDoc::applyModel() {
    useModel();
    const KeyLabels labels = defaultKeyLabels(modelId_);
    std::copy_n(labels.begin(), layout_.keyCount(), keyLabel_.begin());
    setTitleFor(translateText("vorn::VornDoc", "Template"));
}

void CVornDoc::useModel() {
    const KeyboardModel& model = keyboardModel(modelId_);
    layout_.apply(modelId_);
    modelName_ = model.name;
    hasCardReader_ = model.hasCardReader;
}

void CVornDoc::markAllKeysBlank() {
    keyBlank_.fill(true);
    keyDefined_.fill(true);
}

void CVornDoc::setTitleFor(const std::string& name) {
    documentTitle_ = name + " : " + modelName_;
}

bool CVornDoc::onNewDocument() {
    capLabel_ = {};
    resetImage();
    decodeImage(image_, modelId_, keyText_);
    markAllKeysBlank();
    resetBaseline();
    return true;
}

bool CVornDoc::onOpenDocument(const std::string& path) {
    TemplateImage loaded{};
    const TemplateFileRead read = readTemplateFile(path, loaded);
    if (read.error) {
        messages_.showMessage(fileMessage(
            path, read.error,
            translateText("vorn::Messages", "The template file: <%1> is not a regular file !!"),
            translateText("vorn::Messages", "The template file: <%1> can't be read !! %2")));
        return false;
    }
    if (!read.whole()) {
        messages_.showMessage(
            fillIn(translateText("vorn::Messages", "The template file: <%1> holds %2 bytes, not "
                                                   "%3 !!\nThe template is not loaded."),
                   {path, std::to_string(read.bytes), std::to_string(imageSize)}));
        return false;
    }
    if (const ImageCheck check = validateImage(loaded); check != ImageCheck::valid)
        messages_.showMessage(imageCheckMessage(check));
    readCapLabels(path);
    takeImage(loaded);
    return true;
}

void CVornDoc::readCapLabels(const std::string& templatePath) {
    const std::string path = labelFilePath(templatePath);
    const LabelFileRead read = readLabelFile(templatePath);
    capLabel_ = read.read.labels;
    unreadLabelFile_ = read.error ? path : std::string();
    if (read.error) {
        messages_.showMessage(
            fileMessage(
                path, read.error,
                translateText("vorn::Messages", "The labels file: <%1> is not a regular file !!"),
                translateText("vorn::Messages", "The labels file: <%1> can't be read !! %2")) +
            translateText("vorn::Messages", "\nThe template is loaded without labels."));
        return;
    }
    const auto& problems = read.read.problems;
    if (problems.empty())
        return;
    constexpr std::size_t shown = 10;
    std::string text = fillIn(
        translateText("vorn::Messages", "The labels file: <%1> has lines that are not read !!"),
        {path});
    for (std::size_t i = 0; i < std::min(shown, problems.size()); ++i)
        text += "\n" + problems[i];
    if (problems.size() > shown)
        text += fillIn(translateText("vorn::Messages", "\n... and %1 more"),
                       {std::to_string(problems.size() - shown)});
    messages_.showMessage(
        text + translateText("vorn::Messages", "\nThey are left out when the template is saved."));
}

FileResult CVornDoc::writeCapLabels(const std::string& templatePath) {
    const std::string path = labelFilePath(templatePath);
    if (!hasLabels(capLabel_) && path == unreadLabelFile_)
        return FileResult::done;
    if (const int error = writeLabelFile(templatePath, capLabel_)) {
        messages_.showMessage(fileMessage(
            path, error,
            translateText("vorn::Messages", "The labels file: <%1> is not a regular file !!"),
            translateText("vorn::Messages", "The labels file: <%1> can't be written !! %2")));
        return FileResult::failed;
    }
    unreadLabelFile_.clear();
    return FileResult::done;
}

void CVornDoc::takeImage(const TemplateImage& image) {
    image_ = image;
    decodeImage(image_, modelId_, keyText_);
    for (int k = 0; k < keyNumberCount; ++k) {
        if (encodedLength(keyText_[k]) >= 1) {
            keyBlank_[k] = false;
            keyDefined_[k] = true;
        } else {
            keyBlank_[k] = true;
        }
    }
    resetBaseline();
}

void CVornDoc::setKeyText(int key, std::string text) {
    std::string& stored = keyText_.at(static_cast<std::size_t>(key));
    if (stored != text)
        stored = std::move(text);
}

void CVornDoc::markKeyEdited(int key) {
    setKeyFlags(key, false, false);
}

void CVornDoc::setKeyFlags(int key, bool blank, bool defined) {
    keyBlank_.at(static_cast<std::size_t>(key)) = blank;
    keyDefined_.at(static_cast<std::size_t>(key)) = defined;
}

void CVornDoc::setKeyLabel(int slot, std::string caption) {
    keyLabel_.at(static_cast<std::size_t>(slot)) = std::move(caption);
}

void CVornDoc::setCapLabel(int key, std::string label) {
    capLabel_.at(static_cast<std::size_t>(key)) = std::move(label);
}

void CVornDoc::storeKeyboardProperties(const KeyboardProperties& properties) {
    properties.store(image_, modelGroup(hasCardReader_));
}

void CVornDoc::storeCardReaderProperties(const CardReaderProperties& properties) {
    properties.store(image_);
}

const TemplateImage& CVornDoc::encodeKeyTexts() {
    encodeImage(image_, keyText_, modelId_);
    return image_;
}

TemplateContent CVornDoc::content() const {
    return {modelId_,  keyText_,  keyBlank_, keyDefined_,
            keyLabel_, capLabel_, image_,    documentTitle_};
}

void CVornDoc::applyChange(const TemplateChange& change, TemplateChange::Side side) {
    const bool back = side == TemplateChange::Side::before;
    if (const auto& model = change.model()) {
        modelId_ = back ? model->before : model->after;
        settings_.writeInt(settingsSection, settingsEntry, modelId_);
        useModel();
    }
    for (const TemplateChange::KeyEdit& edit : change.keys()) {
        keyText_.at(static_cast<std::size_t>(edit.key)) = back ? edit.before : edit.after;
        setKeyFlags(edit.key, back ? edit.blankBefore : edit.blankAfter,
                    back ? edit.definedBefore : edit.definedAfter);
    }
    for (const TemplateChange::CaptionEdit& edit : change.captions())
        keyLabel_.at(static_cast<std::size_t>(edit.slot)) = back ? edit.before : edit.after;
    for (const TemplateChange::LabelEdit& edit : change.labels())
        capLabel_.at(static_cast<std::size_t>(edit.key)) = back ? edit.before : edit.after;
    for (const TemplateChange::ByteRun& run : change.bytes()) {
        const auto& bytes = back ? run.before : run.after;
        std::ranges::copy(bytes, image_.begin() + static_cast<std::ptrdiff_t>(run.offset));
    }
    if (const auto title = change.title(side))
        documentTitle_ = *title;
}

std::string overflowQuestion(int bytesOver) {
    return fillIn(translateText("vorn::Messages",
                                "The key texts need %1 bytes more than the template has room for "
                                "!\nThe keys stored last will be cut when the template is "
                                "saved.\nSave anyway?"),
                  {std::to_string(bytesOver)});
}

FileResult CVornDoc::onSaveDocument(const std::string& path) {
    if (!checkAllKeyTexts())
        return FileResult::refused;
    if (const int space = spaceLeft(); space < 0) {
        if (!messages_.askYesNo(overflowQuestion(-space)))
            return FileResult::refused;
    }
    encodeKeyTexts();
    const std::string_view bytes(reinterpret_cast<const char*>(image_.data()), image_.size());
    if (const int error = writeFileAtomically(path, bytes)) {
        messages_.showMessage(fileMessage(
            path, error,
            translateText("vorn::Messages", "The template file: <%1> is not a regular file !!"),
            translateText("vorn::Messages", "The template file: <%1> can't be written !! %2")));
        return FileResult::failed;
    }
    if (const FileResult labels = writeCapLabels(path); labels != FileResult::done)
        return labels;
    resetBaseline();
    return FileResult::done;
}

void CVornDoc::switchModel(int modelId) {
    modelId_ = modelId;
    capLabel_ = {};
    settings_.writeInt(settingsSection, settingsEntry, modelId_);
    resetImage();
    decodeImage(image_, modelId_, keyText_);
    markAllKeysBlank();
    applyModel();
    resetBaseline();
}

bool CVornDoc::checkAllKeyTexts() {
    if (!firstInvalidKeyText(keyText_))
        return true;
    messages_.showMessage(wrongKeyTextMessage);
    return false;
}

int CVornDoc::spaceLeft() const {
    return keyAreaSpaceLeft(keyText_, modelId_);
}

int CVornDoc::measureSpaceLeft() {
    for (int key = 0; key < keyNumberCount; ++key)
        keyBlank_[key] = encodedLength(keyText_[key]) < 1;
    return spaceLeft();
}

CVornDoc::TextFileRead CVornDoc::readTextRows(const std::string& path) {
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
        messages_.showMessage(missingTextFileMessage(path, error));
        return TextFileRead::failed;
    }
    if (tooLarge) {
        messages_.showMessage(
            fillIn(translateText("vorn::Messages", "The text file: <%1> is larger than %2 bytes "
                                                   "(1 MiB) !!\nNothing is imported."),
                   {path, std::to_string(textFileSizeLimit)}));
        return TextFileRead::failed;
    }
    const auto& rows = parser.rows();
    for (std::size_t slot = 0; slot < rows.size(); ++slot) {
        keyLabel_[slot] = rows[slot].caption;
        keyText_[layout_.slotKey()[slot]] = rows[slot].keyText;
    }
    if (parser.rowCount() == keyCount())
        return TextFileRead::complete;
    messages_.showMessage(wrongRowCountMessage);
    return TextFileRead::wrongRowCount;
}

std::optional<std::string> CVornDoc::textFileContents() {
    std::string contents;
    for (int slot = 0; slot < keyCount(); ++slot) {
        const std::string& caption = keyLabel_[slot];
        const std::string& text = keyText_[layout_.slotKey()[slot]];
        if (!fitsTextFile(caption) || !fitsTextFile(text)) {
            messages_.showMessage(
                fillIn(translateText("vorn::Messages",
                                     "The caption or key text of slot %1 <%2> holds a line feed "
                                     "or a 0xFF byte, which a text file can't keep !!\nNo text "
                                     "file is written."),
                       {std::to_string(slot), caption}));
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
        messages_.showMessage(fileMessage(
            path, error,
            translateText("vorn::Messages", "The text file: <%1> is not a regular file !!"),
            translateText("vorn::Messages", "The text file: <%1> can't be written !! %2")));
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
