#include <QFile>

#include "edit_form_fixture.h"
#include "modal_script.h"

namespace {

using C = Command;

constexpr const char* TwoSymbols =
    "Veltrax Sym/Ltype File Version 1.0\r\n"
    "S Cross\r\nP    100   100     0    60     1\r\nL      1    60   100   140   100\r\n"
    "L      1   100    60   100   140\r\nE\r\n"
    "S Bar\r\nP    100   100     0    60     1\r\nL      3    60   100   140   100\r\nE\r\n";

class CatalogueCommandTest : public EditFormTest {};

// The catalogue is written from the window as glyphlib writes it, with the entry being edited
// as it stands.
TEST_F(CatalogueCommandTest, FileMenuWritesTheCatalogueWithTheEditedEntry) {
    const std::string library = writeFile("two.sym", TwoSymbols);
    start(library);
    form().state().work.workEntityCount = 1;  // the second line of Cross deleted
    form().state().library.entryModified = true;
    const std::string html = path("two.html");
    ModalScript script;
    script.chooseFile(html);
    action(C::LibMenu_PrintCatalogue)->trigger();
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].caption, "Print Catalogue");
    EXPECT_EQ(script.seen()[0].nameFilters,
              QStringList({"PDF files (*.pdf)", "HTML pages (*.html)"}));
    EXPECT_EQ(script.seen()[0].text, "two.pdf");
    QFile page(QString::fromStdString(html));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    EXPECT_TRUE(text.contains("two.sym · 2 entries"));
    EXPECT_EQ(text.count("<line "), 2);  // Cross with one line, Bar
    EXPECT_TRUE(form().state().library.libraryModified);
}

}  // namespace
