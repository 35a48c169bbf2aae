#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTextBrowser>
#include <QToolButton>
#include <QWidget>

#include "editing/string_source.h"

// The help book inside the program: its pages in a QTextBrowser with Back, Forward, Home and
// find-in-page, and a link that opens the page in the desktop's browser. Pages are looked up
// in the book folders in order, page by page, so a translated book may leave pages out. The
// window keeps its size in the program's settings for the next run.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    HelpWindow(const StringSource& strings, const QStringList& bookFolders,
               QWidget* parent = nullptr);

    // Shows the window and the page of a topic ("entries.html#c4001"), scrolled to its anchor.
    void showTopic(const QString& topic);
    // Finds the text from the cursor on, or back, wrapping around; false when it is nowhere.
    bool findText(const QString& text, bool backward = false);
    // The local file of the page shown, with its anchor.
    QUrl pageUrl() const;

    QTextBrowser* browser;
    QToolButton* backButton;
    QToolButton* forwardButton;
    QToolButton* homeButton;
    QLineEdit* findEdit;
    QLabel* browserLink;

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void openInBrowser();
    void findFromEdit(bool backward);

    const StringSource& strings_;
    QLabel* notFound_;  // says when the text to find is not on the page
};
