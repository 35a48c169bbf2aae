#include <QHelpEvent>
#include <QTest>

#include "app/add_line_type_dialog.h"
#include "app/add_symbol_dialog.h"
#include "app/dialog_placement.h"
#include "edit_form_fixture.h"
#include "modal_script.h"

namespace {

using C = Command;
using B = QMessageBox;

// Types name into the dialog's name field as a user would, sets the colour box and clicks OK.
std::function<void(EntryDialog&)> typeAndOk(const QString& name, bool colours = false) {
    return [name, colours](EntryDialog& d) {
        d.nameEdit()->selectAll();
        QTest::keyClick(d.nameEdit(), Qt::Key_Backspace);
        QTest::keyClicks(d.nameEdit(), name);
        d.colourBox()->setChecked(colours);
        d.OKBtn->click();
    };
}

void clickOk(EntryDialog& d) {
    d.OKBtn->click();
}

void clickCancel(EntryDialog& d) {
    d.CancelBtn->click();
}

class EntryDialogsTest : public EditFormTest {
  protected:
    Library& library() { return form().state().library; }
    void trigger(Command command) { action(command)->trigger(); }
    std::string row(int r) { return form().widgets().SymbList->item(r)->text().toStdString(); }
    TEditForm& startWithSurvey() { return start(writeFile("survey.sym", ThreeSymbols)); }
};

TEST_F(EntryDialogsTest, AddingASymbolMakesItTheCurrentEmptyEntry) {
    startWithSurvey();
    ModalScript script;
    script.entry([](EntryDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Add New Symbol");
        auto& sym = static_cast<TAddSym&>(d);
        EXPECT_EQ(sym.SymNameLabel->text(), "Symbol name");
        EXPECT_EQ(sym.ColourSym->text(), "Use colors");
        EXPECT_EQ(d.OKBtn->text(), "OK");
        EXPECT_EQ(d.CancelBtn->text(), "Cancel");
        EXPECT_EQ(sym.SymName->text(), "");
        EXPECT_FALSE(sym.ColourSym->isChecked());
        EXPECT_EQ(d.focusWidget(), sym.SymName);
        typeAndOk("Church", true)(d);
    });
    trigger(C::SymbolMenu_Add);
    ASSERT_TRUE(script.done());
    EXPECT_EQ(library().entryCount, 4);
    EXPECT_EQ(library().currentEntry, 4);
    EXPECT_TRUE(library().libraryModified);
    EXPECT_FALSE(library().entryModified);
    const LibraryEntry& added = library().entry(4);
    EXPECT_EQ(added.name.view(), "Church");
    EXPECT_EQ(added.originX, 155);
    EXPECT_EQ(added.originY, 155);
    EXPECT_EQ(added.clipRadius, 150);
    EXPECT_EQ(added.sizeRadius, 150);
    EXPECT_EQ(added.useColours, 1);
    EXPECT_EQ(countEntities(library().entities(4)), 0);
    EXPECT_EQ(form().state().work.workEntityCount, 0);
    EXPECT_EQ(form().state().undoCount, 0);
    EXPECT_EQ(form().widgets().SymbList->count(), 4);
    EXPECT_EQ(row(3), "Church");
    EXPECT_EQ(form().widgets().SymbList->currentRow(), 3);
    EXPECT_EQ(form().windowTitle(), "Symbol Editor - Church");
    EXPECT_EQ(form().state().pointerState, PointerState::SelectIdle);
    EXPECT_TRUE(action(C::tbSelectBtn)->isChecked());
}

TEST_F(EntryDialogsTest, AddingToANewLibraryEnablesTheDrawingCommands) {
    start();
    ModalScript script;
    script.entry(typeAndOk("Tree"));
    trigger(C::SymbolMenu_Add);
    EXPECT_EQ(library().entryCount, 1);
    for (C command : {C::MainMenu_Edit, C::MainMenu_Draw, C::tbArcBtn, C::tbLineBtn,
                      C::SymbolMenu_Delete, C::SymbolMenu_Settings, C::SymbolMenu_ShowSizeRad}) {
        EXPECT_TRUE(enabled(command)) << commandName(command);
    }
}

TEST_F(EntryDialogsTest, EveryRefusalKeepsTheDialogOpenInTheOrderOfTheChecks) {
    startWithSurvey();
    ModalScript script;
    script.entry(typeAndOk(""))
        .answer(B::Ok)
        .entry([](EntryDialog& d) {
            // Focus went back to the name.
            EXPECT_EQ(d.focusWidget(), d.nameEdit());
            typeAndOk("Well")(d);
        })
        .answer(B::Ok)
        .entry(typeAndOk("well"));
    trigger(C::SymbolMenu_Add);
    ASSERT_TRUE(script.done());
    const std::vector<ModalScript::Seen>& seen = script.seen();
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[1].text, "Name for Symbol not specified");
    EXPECT_EQ(seen[1].caption, "Warning");
    EXPECT_EQ(seen[1].icon, B::Warning);
    EXPECT_EQ(seen[1].buttons, B::Ok);
    EXPECT_EQ(seen[3].text, "Symbol name already used in library");
    EXPECT_EQ(library().entryCount, 4);
    EXPECT_EQ(row(3), "well");  // letter case makes another name
}

TEST_F(EntryDialogsTest, NamesKeepTheirBlanksAndAreCutToTwentyCharacters) {
    startWithSurvey();
    ModalScript script;
    script.entry(typeAndOk("   "))
        .entry(typeAndOk(" Tree"))
        .entry(typeAndOk("A name that is too long"))
        .entry(typeAndOk("A name that is too loud"))
        .answer(B::Ok)
        .entry(clickCancel);
    for (int i = 0; i < 4; ++i) {
        trigger(C::SymbolMenu_Add);
    }
    EXPECT_EQ(library().entryCount, 6);
    EXPECT_EQ(library().entry(4).name.view(), "   ");
    EXPECT_EQ(library().entry(5).name.view(), " Tree");
    EXPECT_EQ(library().entry(6).name.view(), "A name that is too l");
    // Its first twenty characters are taken.
    EXPECT_EQ(script.messageTexts(),
              std::vector<std::string>{"Symbol name already used in library"});
}

TEST_F(EntryDialogsTest, TheFiveHundredFirstEntryIsRefused) {
    startWithSurvey();
    for (int n = 4; n <= MaxEntries; ++n) {
        library().entry(n).name.assign("E" + std::to_string(n));
    }
    library().entryCount = MaxEntries;
    ModalScript script;
    script.entry(typeAndOk("One too many")).answer(B::Ok).entry(clickCancel);
    trigger(C::SymbolMenu_Add);
    EXPECT_EQ(script.messageTexts(), std::vector<std::string>{"Maximum number of Symbols reached"});
    EXPECT_EQ(library().entryCount, MaxEntries);
    EXPECT_EQ(library().currentEntry, 1);
}

TEST_F(EntryDialogsTest, AddStoresTheChangedEntryEvenWhenItIsRefused) {
    startWithSurvey();
    form().state().work.workEntities[0].colour = 12;
    library().entryModified = true;
    ModalScript script;
    script.entry(typeAndOk("")).answer(B::Ok).entry(clickCancel);
    trigger(C::SymbolMenu_Add);
    EXPECT_EQ(library().entities(1)[0].colour, 12);
    EXPECT_FALSE(library().entryModified);
    EXPECT_TRUE(library().libraryModified);
    EXPECT_EQ(library().entryCount, 3);
}

TEST_F(EntryDialogsTest, CancelChangesNothing) {
    startWithSurvey();
    ModalScript script;
    script.entry([](EntryDialog& d) {
        QTest::keyClicks(d.nameEdit(), "Chapel");
        clickCancel(d);
    });
    trigger(C::SymbolMenu_Add);
    EXPECT_EQ(library().entryCount, 3);
    EXPECT_FALSE(library().libraryModified);
    EXPECT_EQ(form().widgets().SymbList->count(), 3);
}

TEST_F(EntryDialogsTest, ARenameGoesIntoTheLibraryAtOnceAndCountsAsAChange) {
    startWithSurvey();
    form().widgets().SymbList->setCurrentRow(1);
    ModalScript script;
    script.entry([](EntryDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Symbol Settings");
        EXPECT_EQ(d.nameEdit()->text(), "Well");
        EXPECT_FALSE(d.colourBox()->isChecked());
        typeAndOk("Spring")(d);
    });
    trigger(C::SymbolMenu_Settings);
    EXPECT_EQ(library().entry(2).name.view(), "Spring");
    EXPECT_EQ(form().state().work.workEntry.name.view(), "Spring");
    EXPECT_EQ(row(1), "Spring");
    EXPECT_EQ(form().widgets().SymbList->currentRow(), 1);
    EXPECT_EQ(form().windowTitle(), "Symbol Editor - Spring");
    EXPECT_FALSE(library().entryModified);
    // Closing right after the rename asks to save it.
    EXPECT_TRUE(library().libraryModified);
    script.answer(B::Cancel);
    EXPECT_FALSE(form().close());
    EXPECT_EQ(script.messageTexts(), std::vector<std::string>{"Save currently loaded library"});
}

TEST_F(EntryDialogsTest, SettingsRefuseTheOwnNameTypedBackButAcceptItUntouched) {
    startWithSurvey();
    ModalScript script;
    script.entry(typeAndOk("Tree")).answer(B::Ok).entry(clickCancel).entry(clickOk);
    trigger(C::SymbolMenu_Settings);
    EXPECT_EQ(script.messageTexts(),
              std::vector<std::string>{"Symbol name already used in library"});
    trigger(C::SymbolMenu_Settings);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(library().entry(1).name.view(), "Tree");
    EXPECT_FALSE(library().libraryModified);
    EXPECT_FALSE(library().entryModified);
}

TEST_F(EntryDialogsTest, TogglingUseColoursModifiesTheEntry) {
    startWithSurvey();
    ModalScript script;
    script.entry([](EntryDialog& d) {
        EXPECT_TRUE(d.colourBox()->isChecked());
        d.colourBox()->setChecked(false);
        clickOk(d);
    });
    trigger(C::SymbolMenu_Settings);
    EXPECT_EQ(form().state().work.workEntry.useColours, 0);
    EXPECT_TRUE(library().entryModified);
}

TEST_F(EntryDialogsTest, NamesTakeOnlyCharactersOfTheCodePage) {
    startWithSurvey();
    ModalScript script;
    script.entry([](EntryDialog& d) {
        // Typed or pasted, each piece passes the field's check or is refused as a whole.
        for (const char* piece : {"Caf", "\u00e9", " \u6728", " ", "\u20ac", "\t", "\u0081"}) {
            d.nameEdit()->insert(QString::fromUtf8(piece));
        }
        EXPECT_EQ(d.nameEdit()->text(), QString::fromUtf8("Caf\u00e9 \u20ac"));
        clickOk(d);
    });
    trigger(C::SymbolMenu_Add);
    EXPECT_EQ(library().entry(4).name.view(), "Caf\xe9 \x80");
    EXPECT_EQ(row(3), "Caf\u00e9 \u20ac");
}

TEST_F(EntryDialogsTest, DeletingAsksYesNoAndNoKeepsTheEntry) {
    startWithSurvey();
    ModalScript script;
    script.answer(B::No);
    trigger(C::SymbolMenu_Delete);
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].text, "Confirm Deletion of Symbol");
    EXPECT_EQ(script.seen()[0].caption, "Confirm");
    EXPECT_EQ(script.seen()[0].icon, B::Question);
    EXPECT_EQ(script.seen()[0].buttons, B::Yes | B::No);
    EXPECT_EQ(library().entryCount, 3);
    EXPECT_FALSE(library().libraryModified);
}

TEST_F(EntryDialogsTest, DeletingShowsTheFollowingEntryThenThePreviousOne) {
    startWithSurvey();
    ModalScript script;
    script.answer(B::Yes).answer(B::Yes);
    trigger(C::SymbolMenu_Delete);
    EXPECT_EQ(library().entryCount, 2);
    EXPECT_EQ(library().currentEntry, 1);
    EXPECT_EQ(form().state().work.workEntry.name.view(), "Well");
    EXPECT_EQ(form().state().work.workEntityCount, 1);
    EXPECT_EQ(row(0), "Well");
    EXPECT_TRUE(library().libraryModified);

    form().widgets().SymbList->setCurrentRow(1);
    trigger(C::SymbolMenu_Delete);
    EXPECT_EQ(library().entryCount, 1);
    EXPECT_EQ(library().currentEntry, 1);
    EXPECT_EQ(form().state().work.workEntry.name.view(), "Well");
    EXPECT_EQ(form().widgets().SymbList->count(), 1);
    EXPECT_TRUE(enabled(C::MainMenu_Draw));
}

TEST_F(EntryDialogsTest, DeletingTheOnlyEntryEmptiesTheDrawingAndTheCommands) {
    start(writeFile("one.sym",
                    "Veltrax Sym/Ltype File Version 1.0\r\nS Well\r\n"
                    "P    100   100     0    20     0\r\n"
                    "L      1    80    80   120   120\r\nE\r\n"));
    ModalScript script;
    script.answer(B::Yes).entry(typeAndOk("Spring"));
    trigger(C::SymbolMenu_Delete);
    EXPECT_EQ(library().entryCount, 0);
    EXPECT_EQ(library().currentEntry, 0);
    EXPECT_EQ(form().windowTitle(), "Symbol Editor - ");
    EXPECT_EQ(form().state().work.workEntityCount, 0);
    EXPECT_EQ(form().widgets().SymbList->count(), 0);
    for (C command : {C::MainMenu_Edit, C::MainMenu_Draw, C::tbArcBtn, C::tbLineBtn,
                      C::SymbolMenu_Delete, C::SymbolMenu_Settings}) {
        EXPECT_FALSE(enabled(command)) << commandName(command);
    }
    // A new entry in the freed place has no entities.
    trigger(C::SymbolMenu_Add);
    EXPECT_EQ(library().entryCount, 1);
    EXPECT_EQ(countEntities(library().entities(1)), 0);
    EXPECT_EQ(form().state().work.workEntityCount, 0);
}

class LineTypeDialogTest : public EntryDialogsTest {
  protected:
    void SetUp() override {
        start(writeFile("roads.ltp",
                        "Veltrax Sym/Ltype File Version 1.0\r\nS Road\r\n"
                        "P    100   100     1    20     1\r\n"
                        "L      1    20   100   180   100\r\nE\r\nS Track\r\n"
                        "P    100   100     0    20     0\r\nE\r\n"));
    }
};

TEST_F(LineTypeDialogTest, AddingALineTypeTakesItsSinglePatternSetting) {
    ModalScript script;
    script.entry([](EntryDialog& d) {
        auto& lt = static_cast<TAddLType&>(d);
        EXPECT_EQ(d.windowTitle(), "Add New Line Type");
        EXPECT_EQ(lt.LineTypeLabel->text(), "Line Type name");
        EXPECT_EQ(lt.SinglePattn->text(), "Single pattern");
        EXPECT_FALSE(lt.SinglePattn->isChecked());
        lt.SinglePattn->setChecked(true);
        typeAndOk("Path")(d);
    });
    action(C::LTMenu_Add)->trigger();
    EXPECT_EQ(library().entryCount, 3);
    EXPECT_EQ(library().entry(3).singlePattern(), 1);
    EXPECT_EQ(library().entry(3).originX, 155);
    EXPECT_EQ(form().windowTitle(), "Line Type Editor - Path");
    EXPECT_TRUE(enabled(C::LTMenu_Delete));
}

TEST_F(LineTypeDialogTest, RefusalsUseTheLineTypeTexts) {
    ModalScript script;
    script.entry(typeAndOk(""))
        .answer(B::Ok)
        .entry(typeAndOk("Track"))
        .answer(B::Ok)
        .entry(clickCancel);
    action(C::LTMenu_Add)->trigger();
    EXPECT_EQ(script.messageTexts(),
              (std::vector<std::string>{"Name for Line Type not specified",
                                        "Line Type name already used in library"}));
}

TEST_F(LineTypeDialogTest, TogglingSinglePatternModifiesTheEntry) {
    ModalScript script;
    script.entry([](EntryDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Line Type Settings");
        ASSERT_NE(d.singlePatternBox(), nullptr);
        EXPECT_TRUE(d.singlePatternBox()->isChecked());
        d.singlePatternBox()->setChecked(false);
        clickOk(d);
    });
    action(C::LTMenu_Settings)->trigger();
    EXPECT_EQ(form().state().work.workEntry.singlePattern(), 0);
    EXPECT_TRUE(library().entryModified);
}

TEST_F(LineTypeDialogTest, DeletingAsksYesNoCancelAndOnlyYesDeletes) {
    ModalScript script;
    script.answer(B::Cancel).answer(B::No).answer(B::Yes);
    for (int i = 0; i < 3; ++i) {
        action(C::LTMenu_Delete)->trigger();
    }
    ASSERT_EQ(script.seen().size(), 3u);
    EXPECT_EQ(script.seen()[0].text, "Confirm Deletion of Line Type");
    EXPECT_EQ(script.seen()[0].buttons, B::Yes | B::No | B::Cancel);
    EXPECT_EQ(library().entryCount, 1);
    EXPECT_EQ(library().entry(1).name.view(), "Track");
}

TEST_F(EntryDialogsTest, HelpOpensThePageOfTheDialogAndItsMode) {
    startWithSurvey();
    auto pressF1 = [](EntryDialog& d) {
        QTest::keyClick(&d, Qt::Key_F1);
        clickCancel(d);
    };
    // The caption's help button, then a click on a component.
    auto askWhatsThis = [](EntryDialog& d) {
        QHelpEvent query(QEvent::QueryWhatsThis, QPoint(2, 2), d.mapToGlobal(QPoint(2, 2)));
        EXPECT_TRUE(QApplication::sendEvent(d.colourBox(), &query));
        QHelpEvent click(QEvent::WhatsThis, QPoint(2, 2), d.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(d.colourBox(), &click);
        clickCancel(d);
    };
    ModalScript script;
    script.entry(pressF1).entry(pressF1).entry(askWhatsThis);
    trigger(C::SymbolMenu_Add);
    trigger(C::SymbolMenu_Settings);
    trigger(C::SymbolMenu_Settings);
    EXPECT_EQ(helpShown_, (std::vector<int>{4003, 4004, 4004}));
}

TEST_F(LineTypeDialogTest, HelpOpensTheLineTypePages) {
    auto pressF1 = [](EntryDialog& d) {
        EXPECT_EQ(d.property("helpContext").toInt(), 4001);
        QTest::keyClick(d.nameEdit(), Qt::Key_F1);
        clickCancel(d);
    };
    ModalScript script;
    script.entry(pressF1).entry(pressF1);
    action(C::LTMenu_Add)->trigger();
    action(C::LTMenu_Settings)->trigger();
    EXPECT_EQ(helpShown_, (std::vector<int>{4001, 4002}));
}

TEST_F(EntryDialogsTest, DialogsHaveTheirDesignedSizesAndAreCentredOverTheWindow) {
    startWithSurvey();
    QPoint at;
    ModalScript script;
    auto measure = [&at](EntryDialog& d) {
        EXPECT_EQ(d.size(), QSize(309, 107));
        EXPECT_EQ(d.nameEdit()->width(), 129);
        at = d.pos();
        clickCancel(d);
    };
    // The second showing knows the dialog's frame.
    script.entry(measure).entry(measure);
    trigger(C::SymbolMenu_Add);
    form().move(form().pos() + QPoint(40, 30));
    trigger(C::SymbolMenu_Settings);
    const QWidget& dialog = form().entryDialog();
    const QRect frame = form().frameGeometry();
    const QSize dialogFrame = dialog.frameGeometry().size();
    EXPECT_EQ(at, centredOver(frame, dialogFrame));
    TAddLType lineTypes(form());
    EXPECT_EQ(lineTypes.size(), QSize(310, 130));
}

}  // namespace
