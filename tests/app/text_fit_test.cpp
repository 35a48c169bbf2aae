#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "language_run.h"
#include "modal_script.h"

namespace {

// A library with a name of the greatest length beside short ones.
const QByteArray LongNames = ThreeSymbols +
                             "S Boundary marker WWW\r\n"
                             "P    100   100     0    20     1\r\n"
                             "E\r\n";

// Every text of the window shows whole: each label and button is as large as its text needs
// and lies inside its parent, and no two of them overlap.
void expectTextsWhole(const QWidget& window, const std::string& where) {
    std::vector<const QWidget*> texts;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(w);
        const bool hasText = (label != nullptr && !label->text().isEmpty()) ||
                             (qobject_cast<const QAbstractButton*>(w) != nullptr &&
                              !static_cast<const QAbstractButton*>(w)->text().isEmpty() &&
                              qobject_cast<const QToolButton*>(w) == nullptr);
        if (!hasText || !w->isVisibleTo(&window)) {
            continue;
        }
        const std::string name = where + " " + w->objectName().toStdString();
        if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            // Its style asks for more than the text needs; the text needs a margin around it.
            const QSize text = w->fontMetrics().size(Qt::TextShowMnemonic, button->text());
            EXPECT_GE(w->width(), text.width() + 8) << name;
            EXPECT_GE(w->height(), text.height() + 4) << name;
        } else {
            EXPECT_GE(w->width(), w->sizeHint().width()) << name;
            EXPECT_GE(w->height(), w->sizeHint().height()) << name;
        }
        EXPECT_TRUE(QRect(QPoint(), w->parentWidget()->size()).contains(w->geometry())) << name;
        for (const QWidget* other : texts) {
            if (other->parentWidget() == w->parentWidget()) {
                EXPECT_FALSE(other->geometry().intersects(w->geometry()))
                    << name << " overlaps " << other->objectName().toStdString();
            }
        }
        texts.push_back(w);
    }
}

void expectStatusPanelsWhole(TEditForm& f, const std::string& where) {
    QStringList messages;
    for (const QAction* action : f.findChildren<QAction*>()) {
        messages << action->statusTip();
    }
    for (int n : {24, 25, 26, 27, 28, 34}) {
        messages << QString::fromStdString(f.strings().loadText(n));
    }
    const std::pair<QLabel*, QStringList> panels[] = {{f.widgets().statusPanels[0], messages},
                                                      {f.widgets().statusPanels[1], {"19.9,19.9"}}};
    for (const auto& [panel, texts] : panels) {
        for (const QString& text : texts) {
            EXPECT_GE(panel->contentsRect().width(), panel->fontMetrics().horizontalAdvance(text))
                << where << " " << text.toStdString();
        }
        // As at the designed font, a line may lack the pixel of its leading.
        EXPECT_GE(panel->contentsRect().height(), panel->fontMetrics().height() - 1) << where;
    }
    QListWidget& list = *f.widgets().SymbList;
    for (int row = 0; row < list.count(); ++row) {
        EXPECT_GE(list.viewport()->width(),
                  list.fontMetrics().horizontalAdvance(list.item(row)->text()))
            << where << " " << list.item(row)->text().toStdString();
    }
    EXPECT_GT(f.widgets().StatusBar->y(), f.widgets().SymbList->geometry().bottom()) << where;
    // The window shows its whole client area, the status bar included.
    QApplication::sendPostedEvents();
    const QWidget& client = *f.centralWidget();
    EXPECT_TRUE(f.rect().contains(client.geometry())) << where;
    EXPECT_TRUE(client.rect().contains(f.widgets().StatusBar->geometry())) << where;
}

TEST(TextFit, EveryTextShowsWholeAtEveryFontSizeAndInEveryShippedLanguage) {
    for (const QString& language : {QString(), QStringLiteral("de")}) {
        for (int adjustment : {-6, 0, 4, 24}) {
            const std::string where =
                "[" + language.toStdString() + " " + std::to_string(adjustment) + "]";
            LanguageRun run(language, adjustment, LongNames);
            TEditForm& f = *run.form;
            expectTextsWhole(f, where + " window");
            expectStatusPanelsWhole(f, where);
            ModalScript script;
            script
                .other([&](QDialog& about) {
                    expectTextsWhole(about, where + " About");
                    about.accept();
                })
                .entry([&](EntryDialog& dialog) {
                    expectTextsWhole(dialog, where + " Settings");
                    dialog.CancelBtn->click();
                });
            f.commands().action(Command::HelpMenu_About)->trigger();
            f.commands().action(Command::SymbolMenu_Settings)->trigger();
        }
    }
}

TEST(TextFit, TheZoomGrowsTheFittedWindowAndKeepsGrowingItWhenTheListChanges) {
    LanguageRun run("de", 4, LongNames);
    TEditForm& f = *run.form;
    const QSize fitted = f.centralWidget()->size();
    const QRect list = f.widgets().SymbList->geometry();
    ASSERT_GT(fitted.width(), ClientWidth);  // the German texts need more than the design
    f.setZoom(2);
    f.widgets().SymbList->addItem(QStringLiteral("Brunnen"));  // fits the form again
    EXPECT_EQ(f.widgets().symBox->size(), QSize(620, 620));
    EXPECT_GT(f.widgets().DispBox->width(), 310);
    EXPECT_GT(f.widgets().SymbList->x(), f.widgets().DispBox->geometry().right() + 16);
    EXPECT_GT(f.centralWidget()->width(), fitted.width());
    expectStatusPanelsWhole(f, "[de 4, zoom 2]");
    f.setZoom(1);
    EXPECT_EQ(f.centralWidget()->size(), fitted);
    EXPECT_EQ(f.widgets().SymbList->geometry(), list);
}

}  // namespace
