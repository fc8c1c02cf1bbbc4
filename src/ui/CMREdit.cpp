// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CMREdit.h"

#include "document/UserMessages.h"
#include "document/VornDoc.h"
#include "editor/PropertyCommands.h"
#include "ui/OemText.h"
#include "ui/TypedLengthLimit.h"
#include "view/OemCharset.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace vorn {

namespace {

struct TrackEdits {
    CardEdit prefix;
    CardEdit terminator;
    CardEdit suffix;
};

constexpr std::array<TrackEdits, 3> trackEdits{{
    {CardEdit::track1Prefix, CardEdit::track1Terminator, CardEdit::track1Suffix},
    {CardEdit::track2Prefix, CardEdit::track2Terminator, CardEdit::track2Suffix},
    {CardEdit::track3Prefix, CardEdit::track3Terminator, CardEdit::track3Suffix},
}};

// Tracks 2 and 3 spell it this way.
constexpr std::array<const char*, 3> separatorTexts{
    QT_TRANSLATE_NOOP("vorn::CMREdit", "Enable separator"),
    QT_TRANSLATE_NOOP("vorn::CMREdit", "Enable seperator"),
    QT_TRANSLATE_NOOP("vorn::CMREdit", "Enable seperator")};

// Focus that leaves for a message box or another window is no leaving of the edit.
bool leavesWithinDialog(const QFocusEvent& event) {
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

} // namespace

CMREdit::CMREdit(const CardReaderProperties& properties, UserMessages& messages, QWidget* parent)
    : QDialog(parent)
    , loaded_(properties)
    , messages_(messages) {
    setWindowTitle(tr("Config MR properties"));
    layOut();
}

QLineEdit* CMREdit::makeEdit(CardEdit which) {
    const CardEditField& field = cardEditField(which);
    auto* edit = new QLineEdit(oemToUnicode(loaded_.text(which)), this);
    edit->setObjectName(QString::fromLatin1(field.name.data(), field.name.size()));
    new TypedLengthLimit(static_cast<int>(field.size), edit);
    const int widthInCharacters = field.size == terminatorFieldSize ? 4 : 12;
    edit->setFixedWidth(edit->fontMetrics().averageCharWidth() * widthInCharacters +
                        edit->fontMetrics().height());
    edit->installEventFilter(this);
    edits_[static_cast<std::size_t>(which)] = edit;
    return edit;
}

QCheckBox* CMREdit::makeCheckBox(const QString& name, const QString& text, bool checked) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

QGroupBox* CMREdit::makeCardGroup() {
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Card Data Prefix:"), this), 0, 0);
    grid->addWidget(makeEdit(CardEdit::cardPrefix), 0, 1);
    grid->addWidget(new QLabel(tr("Card Data Suffix:"), this), 1, 0);
    grid->addWidget(makeEdit(CardEdit::cardSuffix), 1, 1);

    skipTrack_ = new QRadioButton(tr("Skip output of track with error"), this);
    skipTrack_->setObjectName("skipTrackWithError");
    noDataOutput_ = new QRadioButton(tr("No data output with any error"), this);
    noDataOutput_->setObjectName("noDataWithAnyError");
    auto* policy = new QButtonGroup(this);
    policy->addButton(skipTrack_, skipTrackWithError);
    policy->addButton(noDataOutput_, noDataWithAnyError);
    (loaded_.errorPolicy == noDataWithAnyError ? noDataOutput_ : skipTrack_)->setChecked(true);
    grid->addWidget(skipTrack_, 0, 2);
    grid->addWidget(noDataOutput_, 1, 2);

    beepGoodRead_ =
        makeCheckBox("beepGoodRead", tr("Enable beep at good read"), loaded_.beepGoodRead);
    beepReadError_ = makeCheckBox("beepReadError", tr("Enable 3 beepsat card read error"),
                                  loaded_.beepReadError);
    grid->addWidget(beepGoodRead_, 2, 0, 1, 3);
    grid->addWidget(beepReadError_, 3, 0, 1, 3);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* CMREdit::makeTrackGroup(int track) {
    const auto t = static_cast<std::size_t>(track);
    const TrackProperties& loaded = loaded_.tracks[t];
    const QString n = QString::number(track + 1);
    auto* group = new QGroupBox(tr("Track%1 Properties").arg(n), this);
    TrackBoxes& boxes = tracks_[t];
    boxes.data = makeCheckBox("track" + n + "Data", tr("Enable data"), loaded.data);
    boxes.lrc = makeCheckBox("track" + n + "Lrc", tr("Enable LRC output"), loaded.lrc);
    boxes.endSentinel =
        makeCheckBox("track" + n + "End", tr("Enable end sentinel"), loaded.endSentinel);
    boxes.startSentinel =
        makeCheckBox("track" + n + "Start", tr("Enable start sentinel"), loaded.startSentinel);
    boxes.separator =
        makeCheckBox("track" + n + "Separator", tr(separatorTexts[t]), loaded.separator);

    auto* grid = new QGridLayout(group);
    grid->addWidget(boxes.data, 0, 0);
    grid->addWidget(boxes.lrc, 0, 1);
    grid->addWidget(boxes.endSentinel, 0, 2);
    grid->addWidget(boxes.startSentinel, 1, 0);
    grid->addWidget(boxes.separator, 1, 1);

    auto* texts = new QHBoxLayout;
    texts->addWidget(new QLabel(tr("Prefix:"), this));
    texts->addWidget(makeEdit(trackEdits[t].prefix));
    texts->addSpacing(12);
    texts->addWidget(new QLabel(tr("Field Terminator:"), this));
    texts->addWidget(makeEdit(trackEdits[t].terminator));
    texts->addSpacing(12);
    texts->addWidget(new QLabel(tr("Suffix:"), this));
    texts->addWidget(makeEdit(trackEdits[t].suffix));
    texts->addStretch();
    grid->addLayout(texts, 2, 0, 1, 3);
    return group;
}

void CMREdit::layOut() {
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMREdit::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(makeCardGroup(), 0, 0);
    grid->addWidget(buttons, 0, 1, Qt::AlignTop);
    for (int track = 0; track < 3; ++track)
        grid->addWidget(makeTrackGroup(track), track + 1, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

std::string CMREdit::textOf(CardEdit which) const {
    const std::string& loaded = loaded_.text(which);
    const QString shown = edit(which)->text();
    return shown == oemToUnicode(loaded) ? loaded : unicodeToOem(shown);
}

CardReaderProperties CMREdit::properties() const {
    CardReaderProperties p;
    for (const CardEditField& field : cardEditFields())
        p.text(field.edit) = textOf(field.edit);
    for (std::size_t t = 0; t < tracks_.size(); ++t) {
        const TrackBoxes& boxes = tracks_[t];
        p.tracks[t] = {boxes.lrc->isChecked(), boxes.data->isChecked(),
                       boxes.endSentinel->isChecked(), boxes.separator->isChecked(),
                       boxes.startSentinel->isChecked()};
    }
    p.beepGoodRead = beepGoodRead_->isChecked();
    p.beepReadError = beepReadError_->isChecked();
    p.errorPolicy = noDataOutput_->isChecked() ? noDataWithAnyError : skipTrackWithError;
    return p;
}

bool CMREdit::lengthsFit() {
    const std::optional<CardEdit> over = properties().firstTooLong();
    return !over || refuse(*over, tooLongMessage(cardEditField(*over).size));
}

bool CMREdit::refuse(CardEdit which, std::string_view message) {
    messages_.showMessage(message);
    edit(which)->setFocus(Qt::OtherFocusReason);
    edit(which)->selectAll();
    return false;
}

void CMREdit::leaveEdit(CardEdit which) {
    const QScopedValueRollback<bool> busy(checking_, true);
    lengthsFit();
    if (!properties().textIsValid(which))
        messages_.showMessage(cardEditField(which).errorMessage);
}

// OK stores exactly what the dialog shows: a text its field cannot take keeps the dialog open,
// with that edit's message, the focus in it and its text selected.
void CMREdit::accept() {
    bool stored = false;
    {
        const QScopedValueRollback<bool> busy(checking_, true);
        stored = lengthsFit() && textsAreValid();
    }
    if (stored)
        QDialog::accept();
}

bool CMREdit::textsAreValid() {
    const std::optional<CardEdit> invalid = properties().firstInvalid();
    return !invalid || refuse(*invalid, cardEditField(*invalid).errorMessage);
}

// The check runs once the focus has moved, not inside the focus change.
bool CMREdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut || checking_ ||
        !leavesWithinDialog(*static_cast<QFocusEvent*>(event)))
        return QDialog::eventFilter(watched, event);
    for (const CardEditField& field : cardEditFields()) {
        if (edit(field.edit) != watched)
            continue;
        QMetaObject::invokeMethod(
            this,
            [this, which = field.edit] {
                if (isVisible() && !checking_)
                    leaveEdit(which);
            },
            Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

bool runCardReaderProperties(CVornDoc& doc, UserMessages& messages, QWidget* parent) {
    CMREdit dialog(CardReaderProperties::load(doc.image()), messages, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    applyCardReaderProperties(dialog.properties(), doc);
    return true;
}

} // namespace vorn
