#include <QDir>
#include <QFile>

#include "edit_form_fixture.h"
#include "modal_script.h"

namespace {

using B = QMessageBox;

QByteArray contents(const std::string& file) {
    QFile f(QString::fromStdString(file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class DefaultLibraryRecordTest : public EditFormTest {
  protected:
    // Saves the changed library, answering the questions and warnings as the script says.
    std::vector<std::string> save(ModalScript& script) {
        form().state().library.libraryModified = true;
        form().commands().action(Command::LibMenu_Save)->trigger();
        return script.messageTexts();
    }
};

TEST_F(DefaultLibraryRecordTest, YesChangesOnlyTheOneValueOfAHandWrittenFileToTheAbsolutePath) {
    const QByteArray handWritten =
        "\xEF\xBB\xBF; kept by hand, with odd case and single backslashes\r\n"
        "[software\\veltrax\\veltrax plotwerk\\1.6\\general]\r\n"
        "linetype library = D:\\maps\\new\\std.ltp\r\n"
        "symbol%20library =  D:\\maps\\new\\std.sym \r\n"
        "\r\n"
        "[Software]\r\n"
        "Veltrax\\Veltrax%20Ducton\\4.0\\Font%20Size%20Adjustment=0 ; not a comment\r\n";
    writeFile("user.ini", handWritten);
    writeFile("survey.sym", ThreeSymbols);
    struct InFolder {
        QString started = QDir::currentPath();
        explicit InFolder(const QString& folder) { QDir::setCurrent(folder); }
        ~InFolder() { QDir::setCurrent(started); }
    } inFolder(folder_.path());
    start("survey.sym");

    ModalScript script;
    script.answer(B::Yes);
    EXPECT_EQ(save(script), std::vector<std::string>{"Set saved library as System library?"});
    QByteArray expected = handWritten;
    expected.replace("D:\\maps\\new\\std.sym", QByteArray::fromStdString(path("survey.sym")));
    EXPECT_EQ(contents(path("user.ini")).toStdString(), expected.toStdString());

    ModalScript none;
    EXPECT_TRUE(save(none).empty());
}

TEST_F(DefaultLibraryRecordTest, YesThatCannotRecordAnythingSaysSo) {
    const std::string survey = writeFile("survey.sym", ThreeSymbols);
    start(survey);
    {
        ModalScript noSettings;
        noSettings.answer(B::Yes).answer(B::Ok);
        EXPECT_EQ(save(noSettings),
                  (std::vector<std::string>{"Set saved library as System library?",
                                            "No settings of the host application were found, so "
                                            "the saved library was not set as System library."}));
        EXPECT_FALSE(QFile::exists(QString::fromStdString(path("user.ini"))));
    }

    const QByteArray user = "[Software\\Veltrax\\Veltrax Plotwerk\\1.6\\General]\nOther=1\n";
    const QString userFile = QString::fromStdString(writeFile("user.ini", user));
    QFile::setPermissions(userFile, QFileDevice::ReadOwner);
    ModalScript refused;
    refused.answer(B::Yes).answer(B::Ok);
    const std::vector<std::string> texts = save(refused);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].rfind("The saved library could not be set as System library.\n", 0), 0u)
        << texts[1];
    EXPECT_NE(texts[1].find("read-only"), std::string::npos) << texts[1];
    EXPECT_EQ(contents(userFile.toStdString()), user);
    EXPECT_FALSE(form().state().library.libraryModified);
}

}  // namespace
