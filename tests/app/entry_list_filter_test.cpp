#include <QTest>

#include "app/entry_list.h"
#include "edit_form_fixture.h"
#include "modal_answerer.h"

namespace {

using C = Command;

std::vector<std::string> shownRows(QListWidget* list) {
    std::vector<std::string> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (!list->isRowHidden(row)) {
            rows.push_back(list->item(row)->text().toStdString());
        }
    }
    return rows;
}

// The filter narrows the list while rows keep their entry numbers; Down enters the list at the
// first match, Escape shows all; the arrangement keys move the entry and the list follows.
TEST_F(EditFormTest, TheFilterNarrowsTheListAndTheArrangementKeysReorderIt) {
    TEditForm& f = start(writeFile("survey.sym", ThreeSymbols));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QListWidget* list = f.widgets().SymbList;
    QLineEdit* filter = f.widgets().SymbFilter;
    using V = std::vector<std::string>;

    filter->setFocus();
    QTest::keyClicks(filter, "wE");
    EXPECT_EQ(shownRows(list), (V{"Well"}));
    EXPECT_EQ(f.state().library.currentEntry, 1);  // typing chooses nothing
    QTest::keyClick(filter, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(f.state().library.currentEntry, 2);
    EXPECT_EQ(list->currentRow(), 1);

    filter->setFocus();
    QTest::keyClick(filter, Qt::Key_Escape);
    EXPECT_EQ(filter->text().toStdString(), "");
    EXPECT_EQ(shownRows(list), (V{"Tree", "Well", "Caf\u00e9"}));

    QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(shownRows(list), (V{"Well", "Tree", "Caf\u00e9"}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(f.state().library.currentEntry, 1);
    EXPECT_EQ(f.state().library.entry(1).name.view(), "Well");
    EXPECT_TRUE(f.state().library.libraryModified);

    action(C::EntryMenu_Duplicate)->trigger();
    EXPECT_EQ(shownRows(list), (V{"Well", "Well 2", "Tree", "Caf\u00e9"}));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(f.windowTitle().toStdString(), "Symbol Editor - Well 2");
}

// A long name keeps its room beside the pictures at every size: the list grows instead of
// cutting it short.
TEST_F(EditFormTest, NamesStayWholeBesidePicturesOfEverySize) {
    const QByteArray longName =
        "S Boundary stone east\r\nP    100   100     0    20     1\r\nE\r\n";
    TEditForm& f = start(writeFile("long.sym", ThreeSymbols + longName));
    QListWidget* list = f.widgets().SymbList;
    for (QAction* size :
         {f.viewMenu().noPictures, f.viewMenu().smallPictures, f.viewMenu().largePictures}) {
        size->trigger();
        const QRect row = list->visualItemRect(list->item(3));
        const int side = static_cast<int>(f.entryList().pictures());
        EXPECT_GE(list->viewport()->width(),
                  side + list->fontMetrics().horizontalAdvance("Boundary stone east"))
            << size->text().toStdString();
        EXPECT_FALSE(row.isEmpty());
    }
}

}  // namespace

// An entry's picture follows its edit once the edit is stored, here by a save, which neither
// switches the entry nor fills the list again.
TEST_F(EditFormTest, AnEntrysPictureFollowsItsEditOnceItIsStored) {
    TEditForm& f = start(writeFile("survey.sym", ThreeSymbols));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EntryPictureCache& pictures = f.entryList().pictureCache();
    const Library& library = f.state().library;
    QTRY_VERIFY(!pictures.find(library, 1).isNull());
    const QImage drawn = pictures.find(library, 1);

    action(C::EditMenu_SelectAll)->trigger();
    action(C::EditMenu_Delete)->trigger();
    EXPECT_EQ(pictures.find(library, 1), drawn);  // not stored yet
    {
        const ModalAnswerer answerer(QMessageBox::No);  // not the host's default library
        action(C::LibMenu_Save)->trigger();
    }
    ASSERT_FALSE(library.libraryModified);
    QTRY_VERIFY(!pictures.find(library, 1).isNull());
    EXPECT_NE(pictures.find(library, 1), drawn);
}
