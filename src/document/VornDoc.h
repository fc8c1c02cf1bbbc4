// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/CardReaderProperties.h"
#include "document/KeyboardModels.h"
#include "document/KeyboardProperties.h"
#include "document/TemplateChange.h"
#include "image/TemplateImage.h"
#include "layout/KeyLayout.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

class SettingsStore;
class UserMessages;

// How a save or an export ended: written; refused (a check failed or the user said No, the
// message is shown); or the file could not be written (the message names the error).
enum class FileResult { done, refused, failed };

// The question Save asks before it cuts keys that do not fit the key area.
std::string overflowQuestion(int bytesOver);

// Where the document looks for files: the working directory at start, then the folders of the
// files delivered with the program.
struct DocumentPlaces {
    std::string startDirectory;
    std::vector<std::string> dataDirectories;

    static DocumentPlaces ofProcess();
};

// The open template: its image, the key texts of all 176 key numbers, the key cap captions
// and layout of the current keyboard model, and the state flags that colour the keys.
class CVornDoc {
public:
    static constexpr std::string_view settingsSection = "QenKeyboard";
    static constexpr std::string_view settingsEntry = "Zemlat";

    // Takes the model from the settings store (2013 when none), or `modelId` when given.
    CVornDoc(SettingsStore& settings, UserMessages& messages,
             DocumentPlaces places = DocumentPlaces::ofProcess(),
             std::optional<int> modelId = std::nullopt);

    // The model id kept in the settings store, 2013 when none.
    static int storedModelId(const SettingsStore& settings);

    using KeyFlags = vorn::KeyFlags;

    // By key number: the key texts, and per key whether it is blank and whether it is as
    // loaded (both false: changed since).
    const KeyTexts& keyText() const { return keyText_; }
    const KeyFlags& keyBlank() const { return keyBlank_; }
    const KeyFlags& keyDefined() const { return keyDefined_; }
    const TemplateImage& image() const { return image_; }
    // By slot: the key cap captions.
    const KeyLabels& keyLabel() const { return keyLabel_; }
    // By key number: the labels printed on the caps, kept beside the template file.
    const KeyCapLabels& capLabel() const { return capLabel_; }

    // Every change to the template passes through the operations below. A text equal to the
    // key's own changes nothing.
    void setKeyText(int key, std::string text);
    // The key shows as changed since it was loaded (typing, a Key Edit command).
    void markKeyEdited(int key);
    // Sets one key's blank and as-loaded flags.
    void setKeyFlags(int key, bool blank, bool defined);
    void setKeyLabel(int slot, std::string caption);
    // A label labelProblem() accepts; empty for none.
    void setCapLabel(int key, std::string label);
    // Replaces the whole image and decodes every key from it: the key texts and flags as a
    // load or a read from the keyboard gives them (a key with content is as loaded, an empty
    // one blank). The result is unmodified.
    void takeImage(const TemplateImage& image);
    // Replaces the image's bytes without decoding (tests, and tools that mend a template).
    void replaceImageBytes(const TemplateImage& image) { image_ = image; }
    // OK of the property dialogs: their settings into the image, every other bit kept.
    void storeKeyboardProperties(const KeyboardProperties& properties);
    void storeCardReaderProperties(const CardReaderProperties& properties);
    // Encodes all key texts into the image (before a save or a write) and returns it.
    const TemplateImage& encodeKeyTexts();

    // Undo and redo: the template whole, to compare after an action, and a recorded change
    // applied back (`before`) or again (`after`). A model change also becomes the remembered
    // model.
    TemplateContent content() const;
    void applyChange(const TemplateChange& change, TemplateChange::Side side);

    int modelId() const { return modelId_; }
    int keyCount() const { return layout_.keyCount(); }
    bool hasCardReader() const { return hasCardReader_; }
    const std::string& modelName() const { return modelName_; }
    const KeyLayout& layout() const { return layout_; }
    const std::string& documentTitle() const { return documentTitle_; }
    const std::string& startDirectory() const { return places_.startDirectory; }

    // True when the key texts, the labels or the keyboard and card reader settings bytes differ
    // from what was last created, loaded, saved or read from the keyboard.
    bool isModified() const;
    // The present content becomes the unmodified state.
    void resetBaseline();

    // A new, empty template for the current model in `image`.
    void resetImage();
    // Key count, captions, layout, model name and title of the current model.
    void applyModel();

    // New: all keys empty, blank and as loaded, no labels.
    bool onNewDocument();
    // Load: the first 2048 bytes of the file, decoded under the current model, and the labels
    // beside it. A file that cannot be read or is shorter leaves the document as it was.
    bool onOpenDocument(const std::string& path);
    // Save: checks every key text, asks before keys are cut for want of room, encodes and
    // replaces the file atomically, then writes the labels beside it (or removes their file
    // when there are none).
    FileResult onSaveDocument(const std::string& path);

    // The Keyboard menu's switch, after the user confirmed it: remembers the model and starts
    // an empty, unmodified template for it.
    void switchModel(int modelId);

    // Shows the message and returns false at the first key text valid in neither mode.
    bool checkAllKeyTexts();
    // Free bytes of the key area once all key texts are encoded; negative when they need more.
    int spaceLeft() const;
    // spaceLeft() as the view measures it: every key's blank flag is refreshed on the way, so
    // a key whose text was emptied shows as blank.
    int measureSpaceLeft();

    // Fills captions and key texts from a text file; false when it could not be read.
    bool readTextFile(const std::string& path) {
        return readTextRows(path) != TextFileRead::failed;
    }
    // The same, telling a file read whole from one whose row count is not the model's key
    // count (its rows are taken all the same, after the message).
    enum class TextFileRead { complete, wrongRowCount, failed };
    TextFileRead readTextRows(const std::string& path);
    // Writes captions and key texts as a text file.
    FileResult writeTextFile(const std::string& path);
    // The text file's bytes; nothing (after a message) when a field holds a byte a text file
    // cannot give back.
    std::optional<std::string> textFileContents();

    // The model's default text file, from the start directory or else the program's data.
    bool loadDefault();
    // The Import and Export commands: readTextFile or writeTextFile, then the title.
    bool importTextData(const std::string& path);
    FileResult exportTextData(const std::string& path);

private:
    // Layout, name and card reader of the current model; captions and title stay.
    void useModel();
    void markAllKeysBlank();
    void setTitleFor(const std::string& name);
    void readCapLabels(const std::string& templatePath);
    FileResult writeCapLabels(const std::string& templatePath);

    SettingsStore& settings_;
    UserMessages& messages_;
    DocumentPlaces places_;
    int modelId_;
    bool hasCardReader_ = true;
    std::string modelName_;
    std::string documentTitle_;
    KeyLayout layout_;
    KeyTexts keyText_;
    KeyFlags keyBlank_{};
    KeyFlags keyDefined_{};
    TemplateImage image_{};
    KeyLabels keyLabel_;
    KeyCapLabels capLabel_;
    // A labels file that was there but could not be read: never removed for want of labels.
    std::string unreadLabelFile_;
    // What isModified() compares with.
    KeyTexts baselineTexts_;
    KeyCapLabels baselineLabels_;
    TemplateImage baselineImage_{};
};

} // namespace vorn
