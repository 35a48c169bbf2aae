#include <QFile>

#include "edit_form_fixture.h"
#include "modal_script.h"
#include "model/library_locations.h"

namespace {

// Runs only inside tests/faults/save_on_read_only_media.sh, which mounts the folder named by
// GLYPHWRIGHT_READ_ONLY_FOLDER read-only with a writable survey.sym in it.
TEST_F(EditFormTest, ASaveOntoReadOnlyMediaFailsAndKeepsTheFileNameAndTheEdits) {
    const QString folder = qEnvironmentVariable("GLYPHWRIGHT_READ_ONLY_FOLDER");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "needs a read-only file system";
    }
    const std::string survey = (folder + "/survey.sym").toStdString();
    EXPECT_FALSE(isReadOnlyFile(survey));
    start(survey);
    Library& library = form().state().library;
    form().state().work.workEntities[0].colour = 9;
    library.entryModified = true;

    ModalScript script;
    script.answer(QMessageBox::Ok);
    form().commands().action(Command::LibMenu_Save)->trigger();
    ASSERT_EQ(script.seen().size(), 1u);  // no save dialog
    EXPECT_EQ(script.seen()[0].text, "Error writing library file\nRead-only file system");
    EXPECT_EQ(library.libraryFileName, survey);
    EXPECT_TRUE(library.libraryModified);
    EXPECT_EQ(form().state().work.workEntities[0].colour, 9);
}

}  // namespace
