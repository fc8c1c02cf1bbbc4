// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CProperty.h"

#include "document/VornDoc.h"
#include "editor/PropertyCommands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vorn {

CProperty::CProperty(const KeyboardProperties& properties, QWidget* parent)
    : QDialog(parent)
    , loaded_(properties) {
    setWindowTitle(tr("Config KB properties"));
    layOut();
}

QCheckBox* CProperty::addCheckBox(const char* name, const QString& text, bool checked) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

// A drop-down list with its items in the given order.
QComboBox* CProperty::addList(const char* name, std::initializer_list<const char*> items,
                              int index) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    for (const char* item : items)
        list->addItem(tr(item));
    list->setCurrentIndex(index);
    return list;
}

QGroupBox* CProperty::makeConfigGroup() {
    auto* group = new QGroupBox(tr("Config"), this);
    auto* column = new QVBoxLayout(group);
    oposJpos_ = addCheckBox("oposJpos", tr("OPOS/JPOS"), loaded_.oposJpos);
    column->addWidget(oposJpos_);
    return group;
}

QGroupBox* CProperty::makeFeatureGroup() {
    auto* group = new QGroupBox(tr("Keyboard features"), this);
    auto* column = new QVBoxLayout(group);
    sendBreakCode_ = addCheckBox("sendBreakCode", tr("Send break-code for scan code mode key"),
                                 loaded_.sendBreakCode);
    beepOnKey_ = addCheckBox("beepOnKey", tr("Enable beeping when a key typed"), loaded_.beepOnKey);
    noBeepUndefined_ = addCheckBox("noBeepUndefined", tr("No beeping if a key is not defined"),
                                   loaded_.noBeepUndefined);
    translateSet2_ = addCheckBox("translateSet2", tr("Translate scan code set#2 for PC/AT"),
                                 loaded_.translateSet2);
    altNumber_ =
        addCheckBox("altNumber", tr("Use <Alt>+number key to make ASCII code"), loaded_.altNumber);
    typematicScan_ =
        addCheckBox("typematicScan", tr("Enable typematic for scan code"), loaded_.typematicScan);
    typematicAscii_ = addCheckBox("typematicAscii", tr("Enable typematic for ASCII code"),
                                  loaded_.typematicAscii);
    for (QCheckBox* box : {sendBreakCode_, beepOnKey_, noBeepUndefined_, translateSet2_, altNumber_,
                           typematicScan_, typematicAscii_})
        column->addWidget(box);

    delay_ = new QSpinBox(this);
    delay_->setObjectName("interCharDelay");
    delay_->setRange(minInterCharDelay, maxInterCharDelay);
    delay_->setValue(loaded_.interCharDelay);
    auto* delayRow = new QHBoxLayout;
    delayRow->addWidget(delay_);
    delayRow->addWidget(new QLabel(tr("Inter-character delay(mS)"), this));
    delayRow->addStretch();
    column->addLayout(delayRow);
    return group;
}

// Shown and enabled only while the last detection found no USB keyboard on a serial port model.
QGroupBox* CProperty::makeSerialGroup() {
    serialGroup_ = new QGroupBox(tr("RS232 port"), this);
    serialGroup_->setObjectName("serialGroup");
    auto* column = new QVBoxLayout(serialGroup_);
    usePort_ = addCheckBox("usePort", tr("Use port"), loaded_.usePort);
    baud_ = addList("baudRate", {"2400", "4800", "9600", "19200"}, loaded_.baudIndex);
    parity_ = addList("parity", {QT_TR_NOOP("NONE"), QT_TR_NOOP("EVEN"), QT_TR_NOOP("ODD")},
                      loaded_.parityIndex);
    bits_ = addList("bitNumber", {QT_TR_NOOP("7 Bits"), QT_TR_NOOP("8 Bits")}, loaded_.bitsIndex);
    column->addWidget(usePort_);
    column->addWidget(new QLabel(tr("Baud rate:"), this));
    column->addWidget(baud_);
    column->addWidget(new QLabel(tr("Parity check:"), this));
    column->addWidget(parity_);
    column->addWidget(new QLabel(tr("Bit number:"), this));
    column->addWidget(bits_);
    column->addStretch();
    serialGroup_->setEnabled(loaded_.showSerial);
    serialGroup_->setVisible(loaded_.showSerial);
    return serialGroup_;
}

void CProperty::layOut() {
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(makeConfigGroup(), 0, 0, Qt::AlignLeft);
    grid->addWidget(buttons, 0, 1, 2, 1, Qt::AlignTop | Qt::AlignRight);
    grid->addWidget(makeFeatureGroup(), 1, 0);
    grid->addWidget(makeSerialGroup(), 1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

KeyboardProperties CProperty::properties() const {
    KeyboardProperties p = loaded_;
    p.sendBreakCode = sendBreakCode_->isChecked();
    p.beepOnKey = beepOnKey_->isChecked();
    p.noBeepUndefined = noBeepUndefined_->isChecked();
    p.translateSet2 = translateSet2_->isChecked();
    p.typematicScan = typematicScan_->isChecked();
    p.typematicAscii = typematicAscii_->isChecked();
    p.altNumber = altNumber_->isChecked();
    p.oposJpos = oposJpos_->isChecked();
    p.usePort = usePort_->isChecked();
    p.baudIndex = baud_->currentIndex();
    p.parityIndex = parity_->currentIndex();
    p.bitsIndex = bits_->currentIndex();
    p.interCharDelay = delay_->value();
    return p;
}

bool runKeyboardProperties(CVornDoc& doc, EditingState& editing, int portKind, QWidget* parent) {
    CProperty dialog(loadKeyboardProperties(doc, portKind), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    applyKeyboardProperties(dialog.properties(), doc, editing);
    return true;
}

} // namespace vorn
