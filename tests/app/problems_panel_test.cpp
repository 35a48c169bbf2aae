#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "app/problems_panel.h"
#include "edit_form_fixture.h"
#include "editing/selection.h"
#include "modal_script.h"
#include "platform/program_settings.h"

// The Problems panel in the running window: a planted fault is listed, a double-click on it
// selects the entity as a click would, and a save with errors is offered a check, never forced.
namespace {

using C = Command;

TEST_F(EditFormTest, ProblemsPanelLeadsToTheFaultAndASaveWithErrorsAsksFirst) {
    // Well's line has colour 17, outside the palette: an error.
    QByteArray planted = ThreeSymbols;
    planted.replace("L      1    80    80   120   120", "L     17    80    80   120   120");
    const std::string file = writeFile("planted.sym", planted);
    // The host's default library already, so a save asks nothing else.
    writeFile("user.ini", QByteArray("[Software]\nVeltrax\\Veltrax%20Plotwerk\\1.6\\General\\"
                                     "Symbol%20Library=") +
                              QByteArray::fromStdString(file) + "\n");
    start(file);
    auto* dock = form().findChild<QDockWidget*>("ProblemsDock");
    ASSERT_NE(dock, nullptr);
    EXPECT_FALSE(dock->isVisible());
    dock->toggleViewAction()->trigger();
    QApplication::processEvents();
    auto* panel = form().findChild<ProblemsPanel*>();
    QTreeView* list = panel->list();
    // The row of the fault in the list as it is shown now, -1 when none.
    const auto faultRow = [list] {
        QApplication::processEvents();
        const QAbstractItemModel& rows = *list->model();
        for (int row = 0; row < rows.rowCount(); ++row) {
            if (rows.index(row, 2).data().toString().startsWith("Colour 17")) {
                return row;
            }
        }
        return -1;
    };
    const int fault = faultRow();
    ASSERT_GE(fault, 0);
    EXPECT_EQ(list->model()->index(fault, 0).data().toString(), "2  Well");
    EXPECT_EQ(list->model()->index(fault, 1).data().toString(), "1");
    EXPECT_EQ(panel->problems().errorCount(), 1);

    // Show Problems saves nothing and brings the panel up; Cancel saves nothing.
    QFile::remove(QString::fromStdString(file));
    dock->hide();
    {
        ModalScript script;
        script.answer(QMessageBox::Open).answer(QMessageBox::Cancel);
        action(C::LibMenu_Save)->trigger();
        EXPECT_TRUE(dock->isVisible());
        action(C::LibMenu_Save)->trigger();
        ASSERT_EQ(script.messageTexts().size(), 2u);
        EXPECT_TRUE(
            QString::fromStdString(script.messageTexts()[0]).startsWith("Errors: 1, warnings:"));
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));

    // A double-click goes to the entry and selects the entity, as a click on it would.
    const QRect row = list->visualRect(list->model()->index(faultRow(), 2));
    ASSERT_FALSE(row.isEmpty());
    // As a user's: the press before the double-click event.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    const EditorState& state = form().state();
    EXPECT_EQ(state.library.currentEntry, 2);
    EXPECT_EQ(selectedCount(state.selection), 1);
    EXPECT_EQ(selectedItem(state.selection, 1), 1);
    EXPECT_TRUE(enabled(C::EditMenu_Cut));
    EXPECT_TRUE(enabled(C::EditMenu_Delete));

    // Save Anyway writes the file.
    {
        ModalScript script;
        script.answer(QMessageBox::Save);
        action(C::LibMenu_Save)->trigger();
    }
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
    EXPECT_FALSE(state.library.libraryModified);

    // With the offer turned off a save asks nothing.
    panel->checkBeforeSaving()->setChecked(false);
    EXPECT_FALSE(ProgramSettings::shared().flag("Problems/CheckBeforeSaving", true));
    QFile::remove(QString::fromStdString(file));
    {
        ModalScript none;  // any question fails the test
        action(C::LibMenu_Save)->trigger();
    }
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
    panel->checkBeforeSaving()->setChecked(true);

    // The fault deleted and checked again: no error, and the save asks nothing.
    action(C::EditMenu_Delete)->trigger();
    QTest::mouseClick(panel->findChild<QPushButton*>(), Qt::LeftButton);
    EXPECT_EQ(panel->problems().errorCount(), 0);
    EXPECT_EQ(faultRow(), -1);
    QFile::remove(QString::fromStdString(file));
    {
        ModalScript none;  // any question fails the test
        action(C::LibMenu_Save)->trigger();
    }
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
}

// Warnings alone never stop a save.
TEST_F(EditFormTest, ASaveWithWarningsOnlyAsksNothing) {
    const std::string file = writeFile("three.sym", ThreeSymbols);
    writeFile("user.ini", QByteArray("[Software]\nVeltrax\\Veltrax%20Plotwerk\\1.6\\General\\"
                                     "Symbol%20Library=") +
                              QByteArray::fromStdString(file) + "\n");
    start(file);
    const ProblemsPanel& panel = form().problemsPanel();
    EXPECT_EQ(panel.problems().errorCount(), 0);
    EXPECT_GT(panel.problems().warningCount(), 0);  // Café is empty
    QFile::remove(QString::fromStdString(file));
    {
        ModalScript none;  // any question fails the test
        action(C::LibMenu_Save)->trigger();
    }
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
}

}  // namespace
