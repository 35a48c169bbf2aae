#include <QTimer>
#include <QTreeWidget>

#include "app/earlier_versions_dialog.h"
#include "edit_form_fixture.h"
#include "modal_script.h"

// File > Earlier Versions... on the running window.
namespace {

using B = QMessageBox;
using C = Command;

class EarlierVersionsWindowTest : public EditFormTest {
  protected:
    // Saves through File > Save after changing the current entry's name and origin.
    void saveWith(const char* name, int originX) {
        form().state().work.workEntry.name.assign(name);
        form().state().work.workEntry.originX = originX;
        form().state().library.entryModified = true;
        ModalScript script;
        script.answer(B::No);  // not the host's default library
        action(C::LibMenu_Save)->trigger();
    }

    struct Row {
        bool picture = false;
        QString entries;
    };
    // Opens the dialog, notes its rows and chooses row `choose` (none: Close).
    std::vector<Row> openVersions(std::optional<int> choose) {
        std::vector<Row> rows;
        QTimer::singleShot(50, [&rows, choose] {
            auto* dialog = qobject_cast<EarlierVersionsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* list = dialog->findChild<QTreeWidget*>("VersionList");
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                rows.push_back(
                    {!list->topLevelItem(i)->icon(0).isNull(), list->topLevelItem(i)->text(2)});
            }
            if (choose) {
                list->setCurrentItem(list->topLevelItem(*choose));
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        form().findChild<QAction*>("LibMenu_Versions")->trigger();
        return rows;
    }
};

TEST_F(EarlierVersionsWindowTest, ListsTheSavedVersionsAndOpensOneAsANewLibrary) {
    const std::string survey = writeFile("survey.sym", ThreeSymbols);
    start(survey);
    EXPECT_TRUE(openVersions(std::nullopt).empty());
    saveWith("Oak", 100);
    saveWith("Oak", 110);

    // Newest first: the file of the first save, which holds the current entry "Oak", then the
    // file as it was read, which does not.
    const std::vector<Row> rows = openVersions(1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(rows[0].picture);
    EXPECT_EQ(rows[0].entries, "3");
    EXPECT_FALSE(rows[1].picture);
    const Library& library = form().state().library;
    EXPECT_EQ(library.libraryFileName, "") << "a new, unnamed library";
    EXPECT_FALSE(library.libraryModified);
    EXPECT_EQ(library.entryCount, 3);
    EXPECT_EQ(library.entry(1).name.view(), "Tree");
}

}  // namespace
