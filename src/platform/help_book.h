#pragma once

#include <QString>
#include <QUrl>

#include <vector>

// The help book: HTML pages in the folder "help" beside the program, shown in the desktop's
// browser. Each help context number is an anchor "c<number>" on one of its pages.

inline constexpr char HelpContentsPage[] = "index.html";

// The page and anchor of a context number ("entries.html#c4001"); the contents page for a
// number without a topic.
QString helpTopic(int context);

// Every context number that has a topic, in ascending order.
const std::vector<int>& helpContexts();

QString helpBookFolder();
QUrl helpUrl(const QString& bookFolder, int context);
QUrl helpContentsUrl(const QString& bookFolder);

// Open the book in the desktop's browser; false when no browser could be started.
bool openHelpContents();
bool openHelpContext(int context);
