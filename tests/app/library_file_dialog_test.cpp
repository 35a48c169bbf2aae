#include "app/library_file_dialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QTemporaryDir>

#include "modal_script.h"
#include "platform/string_table.h"

namespace {

TEST(LibraryDialogSettings, OpenOffersTheKindsFilesAndAllFiles) {
    const StringTable strings;
    const LibraryDialogSettings symbols = openDialogSettings(LibraryKind::Symbol, strings);
    EXPECT_EQ(symbols.title, "Select Library");
    EXPECT_EQ(symbols.filters, (std::vector<FileFilter>{{"Symbol library(*.sym)", "*.sym"},
                                                        {"All files(*.*)", "*.*"}}));
    EXPECT_EQ(symbols.defaultExtension, "*.sym");
    EXPECT_EQ(symbols.initialFileName, "*.sym");

    const LibraryDialogSettings lineTypes = openDialogSettings(LibraryKind::LineType, strings);
    // The line type description carries no pattern of its own.
    EXPECT_EQ(lineTypes.filters,
              (std::vector<FileFilter>{{"Line Type library", "*.ltp"}, {"All files(*.*)", "*.*"}}));
    EXPECT_EQ(lineTypes.defaultExtension, "*.ltp");
    EXPECT_EQ(lineTypes.initialFileName, "*.ltp");
}

TEST(LibraryDialogSettings, SaveAsOffersOnlyTheKindAndStartsAtTheLibraryFile) {
    const StringTable strings;
    const LibraryDialogSettings symbols =
        saveDialogSettings(LibraryKind::Symbol, strings, "/maps/std.sym");
    EXPECT_EQ(symbols.title, "Save Library As");
    EXPECT_EQ(symbols.filters, (std::vector<FileFilter>{{"Symbol library", "*.sym"}}));
    EXPECT_EQ(symbols.initialFileName, "/maps/std.sym");
    const LibraryDialogSettings lineTypes = saveDialogSettings(LibraryKind::LineType, strings, "");
    EXPECT_EQ(lineTypes.filters, (std::vector<FileFilter>{{"Line Type library", "*.ltp"}}));
    EXPECT_EQ(lineTypes.defaultExtension, "*.ltp");
    EXPECT_EQ(lineTypes.initialFileName, "*.ltp");
}

TEST(OpenDialog, AllFilesListsAFileWithoutAnExtension) {
    const QTemporaryDir folder;
    for (const char* name : {"std", "roads.sym", "notes.txt"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const StringTable strings;
    LibraryFileDialog dialog(nullptr, strings, QFileDialog::AcceptOpen, "OpenDialog1");
    dialog.fill(openDialogSettings(LibraryKind::Symbol, strings));
    dialog.setDirectory(folder.path());
    auto* model = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    auto listed = [&] { return QDir(folder.path()).entryList(model->nameFilters(), QDir::Files); };
    EXPECT_EQ(listed(), QStringList({"roads.sym"}));
    dialog.selectNameFilter(dialog.nameFilters().value(1));
    EXPECT_EQ(listed(), QStringList({"notes.txt", "roads.sym", "std"}));
}

class SaveDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog.fill(saveDialogSettings(LibraryKind::Symbol, strings, ""));
        dialog.setDirectory(folder.path());
    }
    std::string file(const QString& name) const { return folder.filePath(name).toStdString(); }

    QTemporaryDir folder;
    StringTable strings;
    LibraryFileDialog dialog{nullptr, strings, QFileDialog::AcceptSave, "SaveDialog1"};
};

TEST_F(SaveDialogTest, ANewNameGetsTheDefaultExtension) {
    ModalScript script;
    script.chooseFile(file("roads"));
    EXPECT_EQ(dialog.choose(), file("roads.sym"));
}

TEST_F(SaveDialogTest, AReadOnlyFileIsRefused) {
    const QString locked = folder.filePath("locked.sym");
    QFile created(locked);
    ASSERT_TRUE(created.open(QIODevice::WriteOnly));
    created.close();
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    ModalScript script;
    script.chooseFile(locked.toStdString()).answer(QMessageBox::Ok).cancelFile();
    EXPECT_EQ(dialog.choose(), std::nullopt);
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_NE(script.messageTexts()[0].find("read-only"), std::string::npos);
}

TEST_F(SaveDialogTest, AFolderThatDoesNotExistIsRefused) {
    ModalScript script;
    script.chooseFile(file("nowhere/roads.sym")).answer(QMessageBox::Ok).cancelFile();
    EXPECT_EQ(dialog.choose(), std::nullopt);
    ASSERT_EQ(script.messageTexts().size(), 1u);
    EXPECT_NE(script.messageTexts()[0].find("does not exist"), std::string::npos);
}

TEST_F(SaveDialogTest, ANameTooLongToKeepIsRefused) {
    ModalScript script;
    script.chooseFile(file(QString(260, u'x') + ".sym")).answer(QMessageBox::Ok).cancelFile();
    EXPECT_EQ(dialog.choose(), std::nullopt);
    EXPECT_EQ(script.messageTexts().size(), 1u);
}

TEST_F(SaveDialogTest, AWildcardFiltersTheListInsteadOfNamingAFile) {
    ModalScript script;
    script.chooseFile("*.sym").cancelFile();
    EXPECT_EQ(dialog.choose(), std::nullopt);
    EXPECT_TRUE(script.messageTexts().empty());
}

}  // namespace
