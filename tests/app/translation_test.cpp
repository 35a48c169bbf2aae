#include <gtest/gtest.h>

#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>

#include "app/help_window.h"
#include "language_run.h"
#include "modal_script.h"

namespace {

// Every text a user meets on a tour of the window: the menus with their shortcuts, the save
// question, both file dialogs with the overwrite question and a refusal, an entry dialog, the
// About box and the help window.
QStringList tourTexts(LanguageRun& run) {
    TEditForm& f = *run.form;
    QStringList texts;
    for (QMenu* menu : run.menus()) {
        texts << menu->title();
        for (QAction* item : menu->actions()) {
            texts << item->text() << item->shortcut().toString(QKeySequence::NativeText);
        }
    }
    {
        ModalScript script;
        script.answer(QMessageBox::Cancel)
            .answer(QMessageBox::No)
            .cancelFile()
            .chooseFile(run.folder.filePath("none/new.sym").toStdString())
            .answer(QMessageBox::Ok)
            .chooseFile(run.folder.filePath("library.sym").toStdString())
            .answer(QMessageBox::No)
            .cancelFile()
            .entry([](EntryDialog& dialog) { dialog.CancelBtn->click(); })
            .other([](QDialog& about) { about.accept(); });
        f.state().library.libraryModified = true;
        using C = Command;
        for (C command : {C::LibMenu_New, C::LibMenu_Open, C::LibMenu_SaveAs, C::SymbolMenu_Add,
                          C::HelpMenu_About}) {
            f.commands().action(command)->trigger();
        }
        EXPECT_EQ(script.seen().size(), 10u);
        for (const ModalScript::Seen& seen : script.seen()) {
            texts << seen.texts;
        }
    }
    f.showHelp(HelpContentsContext);
    texts << ModalScript::visibleTexts(f.helpWindow());
    texts.removeAll(QString());
    return texts;
}

TEST(Translations, TheGermanModuleLeavesNoEnglishTextInTheWindowOrItsDialogs) {
    QStringList english;
    QStringList german;
    {
        LanguageRun run({});
        english = tourTexts(run);
    }
    {
        LanguageRun run("de");
        german = tourTexts(run);
    }
    EXPECT_GT(german.size(), 80);
    // The same in both languages.
    const QSet<QString> alike{"OK", "Glyphwright", "&Symbol", "Veltrax Plotwerk 1.63", "Build 10"};
    static const QRegularExpression functionKey(QStringLiteral("^F\\d+$"));
    for (const QString& text : german) {
        if (english.contains(text) && !alike.contains(text) &&
            !functionKey.match(text).hasMatch()) {
            ADD_FAILURE() << "English under the German module: " << text.toStdString();
        }
    }
    // Qt's own texts follow the module's language.
    EXPECT_TRUE(german.contains("&Ja")) << german.join(" | ").toStdString();
    EXPECT_TRUE(german.contains("Strg+Z"));
}

// The letter after "&", lower case; none when the text has no accelerator.
QChar accelerator(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

void expectUniqueAccelerators(const QList<QAction*>& items, const QString& where) {
    QSet<QChar> taken;
    for (const QAction* item : items) {
        const QChar key = accelerator(item->text());
        if (item->isVisible() && !item->isSeparator() && !key.isNull()) {
            EXPECT_FALSE(taken.contains(key))
                << where.toStdString() << ": " << item->text().toStdString() << " repeats "
                << QString(key).toStdString();
            taken.insert(key);
        }
    }
}

TEST(Translations, EveryMenuKeepsItsAcceleratorsUniqueInEveryShippedLanguage) {
    QStringList languages{QString()};
    languages += QDir(TranslationsFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_TRUE(languages.contains("de"));
    for (const QString& language : languages) {
        LanguageRun run(language);
        expectUniqueAccelerators(run.form->menuBar()->actions(), language + " menu bar");
        for (QMenu* menu : run.menus()) {
            expectUniqueAccelerators(menu->actions(), language + " " + menu->objectName());
        }
    }
}

}  // namespace
