// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/UiTranslations.h"

#include "MenuLines.h"
#include "document/Translation.h"
#include "editor/CommandTable.h"
#include "support/EditorFixture.h"
#include "ui/CMainFrame.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace vorn::test {
namespace {

struct FrameFixture : SessionFixture {
    CMainFrame frame{*session, messages};
};

// The menu's mnemonic letters in order, lower case; "&&" is a plain ampersand.
QStringList mnemonics(const QList<QAction*>& items) {
    QStringList letters;
    for (const QAction* item : items) {
        const QString text = item->text().section('\t', 0, 0);
        for (qsizetype i = text.indexOf('&'); i >= 0 && i + 1 < text.size();
             i = text.indexOf('&', i + 2)) {
            if (text[i + 1] != '&')
                letters << text[i + 1].toLower();
        }
    }
    return letters;
}

void expectUniqueMnemonics(const QString& menu, const QList<QAction*>& items) {
    const QStringList letters = mnemonics(items);
    const std::set<QString> unique(letters.begin(), letters.end());
    EXPECT_EQ(unique.size(), std::size_t(letters.size()))
        << menu.toStdString() << ": " << letters.join(' ').toStdString();
}

TEST(UiTranslations, GermanMenusHaveUniqueMnemonics) {
    const UiTranslations translations(QStringList{"de-DE"});
    ASSERT_EQ(translations.language(), "de");
    FrameFixture f;
    const QMenuBar& bar = *f.frame.menuBar();
    EXPECT_EQ(bar.actions().front()->text(), "&Vorlage");
    expectUniqueMnemonics("menu bar", bar.actions());
    for (QAction* top : bar.actions()) {
        expectUniqueMnemonics(top->text(), top->menu()->actions());
        for (QAction* item : top->menu()->actions())
            if (item->menu())
                expectUniqueMnemonics(item->text(), item->menu()->actions());
    }
    // The key's own menu (right click) holds these.
    QList<QAction*> keyMenu;
    for (const int id : {commandIds::copyKey, commandIds::cutKey, commandIds::pasteKey,
                         commandIds::clearKey, commandIds::undo})
        keyMenu << f.frame.action(id);
    expectUniqueMnemonics("key menu", keyMenu);
    EXPECT_EQ(f.frame.action(commandIds::copyKey)->text(), "&Kopieren\tStrg+C");
}

// Every menu text is translated, and the texts of the layers without Qt follow.
TEST(UiTranslations, GermanReachesEveryMenuAndTheLowerLayers) {
    FrameFixture english;
    const QStringList source = menuTexts(*english.frame.menuBar());
    const UiTranslations translations(QStringList{"de"});
    FrameFixture german;
    const QStringList translated = menuTexts(*german.frame.menuBar());
    ASSERT_EQ(translated.size(), source.size());
    for (qsizetype i = 0; i < source.size(); ++i)
        EXPECT_NE(translated[i], source[i]) << source[i].toStdString();
    EXPECT_EQ(commandName(commandIds::configKb), "Tastatureigenschaften");
    EXPECT_EQ(fillIn(translateText("vorn::Messages", "Save changes to %1?"), {"a.tpl"}),
              "Änderungen an a.tpl speichern?");
}

// English, or a language without a translation, leaves every text as it is written.
TEST(UiTranslations, ChoosesTheFirstLanguageVornHas) {
    const std::pair<QStringList, QString> cases[] = {
        {{"de-DE", "en-US"}, "de"},
        {{"fr-FR", "de"}, "de"},
        {{"en-US", "de-DE"}, ""},
        {{"en-GB", "de-DE"}, ""},
        {{"C"}, ""},
        {{"fr-FR"}, ""},
        {{}, ""},
    };
    for (const auto& [languages, expected] : cases) {
        const UiTranslations translations(languages);
        EXPECT_EQ(translations.language(), expected) << languages.join(',').toStdString();
        const std::string save = translateText("vorn::CommandTable", "&Save\tCtrl+S");
        EXPECT_EQ(save, expected.isEmpty() ? "&Save\tCtrl+S" : "&Speichern\tStrg+S");
    }
    EXPECT_EQ(translateText("vorn::CommandTable", "&Save\tCtrl+S"), "&Save\tCtrl+S");
}

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

std::vector<TsMessage> readTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<TsMessage> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.push_back({.context = context, .source = {}, .translation = {}});
        } else if (xml.name() == u"source") {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages.back().finished = xml.attributes().value("type").isEmpty();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

std::multiset<QString> placeholders(const QString& text) {
    std::multiset<QString> found;
    for (const auto& match : QRegularExpression("%\\d").globalMatch(text))
        found.insert(match.captured());
    return found;
}

// What a translator can get wrong without seeing it: a text left out, a placeholder lost,
// a shortcut changed, a second mnemonic.
TEST(UiTranslations, GermanTranslationIsCompleteAndKeepsTheFormat) {
    const auto messages = readTs(VORN_SOURCE_DIR "/translations/vorn_de.ts");
    ASSERT_GT(messages.size(), 300u);
    for (const TsMessage& m : messages) {
        const std::string where = (m.context + ": " + m.source).toStdString();
        EXPECT_TRUE(m.finished && !m.translation.isEmpty()) << where;
        EXPECT_EQ(placeholders(m.translation), placeholders(m.source)) << where;
        if (m.context != "vorn::CommandTable")
            continue;
        EXPECT_EQ(m.translation.section('\t', 1).replace("Strg", "Ctrl").toStdString(),
                  m.source.section('\t', 1).toStdString())
            << where;
        EXPECT_EQ(m.translation.count('&'), m.source.count('&')) << where;
    }
}

struct MenuRun {
    QStringList lines;
    QString err;
};

// The menus as the editor shows them under the environment's locale variables.
MenuRun menusUnder(const std::map<QString, QString>& locale) {
    TestFolder folder;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(name);
    for (const auto& [name, value] : locale)
        env.insert(name, value);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(folder.path("config")));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(VORN_MENU_TEXTS_BINARY);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    return {QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(UiTranslations, TheWindowFollowsTheLocale) {
    FrameFixture english;
    const QStringList source = menuTexts(*english.frame.menuBar());
    const std::pair<std::map<QString, QString>, bool> cases[] = {
        {{{"LANG", "C"}}, false},
        {{}, false},
        {{{"LANG", "en_US.UTF-8"}}, false},
        {{{"LANG", "de_DE.UTF-8"}}, true},
        {{{"LANG", "de_AT.UTF-8"}}, true},
        {{{"LANG", "C"}, {"LC_MESSAGES", "de_DE.UTF-8"}}, true},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C"}}, false},
        {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "de"}}, true},
    };
    for (const auto& [locale, german] : cases) {
        QString name;
        for (const auto& [variable, value] : locale)
            name += variable + "=" + value + " ";
        const MenuRun run = menusUnder(locale);
        if (german) {
            ASSERT_FALSE(run.lines.isEmpty()) << name.toStdString();
            EXPECT_EQ(run.lines.front(), "&Vorlage") << name.toStdString();
        } else {
            EXPECT_EQ(run.lines, source) << name.toStdString();
        }
    }
}

} // namespace
} // namespace vorn::test
