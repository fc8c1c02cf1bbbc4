// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace vorn {

// The editor's texts in the user's language while this object lives: Vorn's own translation,
// Qt's for its dialogs and buttons, and the text translator of the layers without Qt.
class UiTranslations {
public:
    // The first of `languages` (most wanted first, as QLocale::uiLanguages gives them) that
    // Vorn has a translation for; none when English or C comes first: the source texts are
    // English.
    explicit UiTranslations(const QStringList& languages = QLocale::system().uiLanguages());
    ~UiTranslations();
    UiTranslations(const UiTranslations&) = delete;
    UiTranslations& operator=(const UiTranslations&) = delete;

    // The translation's language as its file names it ("de"); empty for English.
    QString language() const { return language_; }

    // Vorn's .qm files: share/vorn/translations beside the program, in the build tree too.
    static QString folder();

private:
    QTranslator vorn_;
    QTranslator qt_;
    QString language_;
};

} // namespace vorn
