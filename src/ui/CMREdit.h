// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/CardReaderProperties.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace vorn {

class CVornDoc;

class UserMessages;

// The modal dialog "Config MR properties": the card reader's track settings, shown from and
// read back into a CardReaderProperties. Leaving a text edit warns about a text its field
// cannot take; OK stays open while a text is longer than its edit allows or fails its check.
class CMREdit : public QDialog {
    Q_OBJECT

public:
    CMREdit(const CardReaderProperties& properties, UserMessages& messages,
            QWidget* parent = nullptr);

    // The controls' values; a text left as loaded comes back byte for byte.
    CardReaderProperties properties() const;
    QLineEdit* edit(CardEdit which) const { return edits_[static_cast<std::size_t>(which)]; }

    // What leaving an edit does: the length check of OK, then the edit's own check.
    void leaveEdit(CardEdit which);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TrackBoxes {
        QCheckBox* data;
        QCheckBox* startSentinel;
        QCheckBox* lrc;
        QCheckBox* separator;
        QCheckBox* endSentinel;
    };

    QLineEdit* makeEdit(CardEdit which);
    QCheckBox* makeCheckBox(const QString& name, const QString& text, bool checked);
    QGroupBox* makeCardGroup();
    QGroupBox* makeTrackGroup(int track);
    void layOut();
    std::string textOf(CardEdit which) const;
    // False, after the message, when a text is longer than its edit allows; that edit then
    // has the focus with its text selected.
    bool lengthsFit();
    // False, after its message, when a text fails its check; that edit then has the focus
    // with its text selected.
    bool textsAreValid();
    // Shows the message, gives the edit the focus with its text selected; false.
    bool refuse(CardEdit which, std::string_view message);

    CardReaderProperties loaded_;
    UserMessages& messages_;
    std::array<QLineEdit*, cardEditCount> edits_{};
    std::array<TrackBoxes, 3> tracks_{};
    QCheckBox* beepGoodRead_ = nullptr;
    QCheckBox* beepReadError_ = nullptr;
    QRadioButton* skipTrack_ = nullptr;
    QRadioButton* noDataOutput_ = nullptr;
    // Set while a check runs: focus moves made by its messages do not start another.
    bool checking_ = false;
};

// "Config MR properties": shows the dialog over `parent` and applies OK. True when OK stored
// the settings.
bool runCardReaderProperties(CVornDoc& doc, UserMessages& messages, QWidget* parent);

} // namespace vorn
