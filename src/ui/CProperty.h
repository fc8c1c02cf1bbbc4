// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/KeyboardProperties.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QSpinBox;

namespace vorn {

class CVornDoc;
struct EditingState;

// The modal dialog "Config KB properties": the keyboard-wide settings, shown from and read
// back into a KeyboardProperties.
class CProperty : public QDialog {
    Q_OBJECT

public:
    explicit CProperty(const KeyboardProperties& properties, QWidget* parent = nullptr);

    // The controls' values; members the dialog does not show come back as loaded.
    KeyboardProperties properties() const;

private:
    QGroupBox* makeConfigGroup();
    QGroupBox* makeFeatureGroup();
    QGroupBox* makeSerialGroup();
    QCheckBox* addCheckBox(const char* name, const QString& text, bool checked);
    QComboBox* addList(const char* name, std::initializer_list<const char*> items, int index);
    void layOut();

    KeyboardProperties loaded_;
    QCheckBox* sendBreakCode_ = nullptr;
    QCheckBox* beepOnKey_ = nullptr;
    QCheckBox* noBeepUndefined_ = nullptr;
    QCheckBox* translateSet2_ = nullptr;
    QCheckBox* typematicScan_ = nullptr;
    QCheckBox* typematicAscii_ = nullptr;
    QCheckBox* altNumber_ = nullptr;
    QCheckBox* oposJpos_ = nullptr;
    QCheckBox* usePort_ = nullptr;
    QComboBox* baud_ = nullptr;
    QComboBox* parity_ = nullptr;
    QComboBox* bits_ = nullptr;
    QSpinBox* delay_ = nullptr;
    QGroupBox* serialGroup_ = nullptr;
};

// "Config KB properties": shows the dialog over `parent` and applies OK. True when OK stored
// the settings; the caller redraws the view then.
bool runKeyboardProperties(CVornDoc& doc, EditingState& editing, int portKind, QWidget* parent);

} // namespace vorn
