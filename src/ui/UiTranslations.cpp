// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/UiTranslations.h"

#include "document/Files.h"
#include "document/Translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace vorn {

namespace {

bool isEnglish(const QString& language) {
    const QLocale locale(language);
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

} // namespace

UiTranslations::UiTranslations(const QStringList& languages) {
    const QString vornFolder = folder();
    for (QString language : languages) {
        if (language.isEmpty())
            continue;
        if (isEnglish(language))
            return;
        language.replace('-', '_');
        // "vorn_de_DE" finds vorn_de.qm too.
        if (!vornFolder.isEmpty() && vorn_.load("vorn_" + language, vornFolder)) {
            language_ = QFileInfo(vorn_.filePath()).baseName().mid(int(sizeof "vorn_") - 1);
            break;
        }
    }
    if (language_.isEmpty())
        return;
    QCoreApplication::installTranslator(&vorn_);
    if (qt_.load("qtbase_" + language_, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    setTextTranslator([](std::string_view context, std::string_view source) {
        return QCoreApplication::translate(std::string(context).c_str(),
                                           std::string(source).c_str())
            .toStdString();
    });
}

UiTranslations::~UiTranslations() {
    if (language_.isEmpty())
        return;
    setTextTranslator({});
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&vorn_);
}

QString UiTranslations::folder() {
    const std::vector<std::string> data = programDataDirectories();
    return data.empty() ? QString() : QString::fromStdString(data.front() + "/translations");
}

} // namespace vorn
