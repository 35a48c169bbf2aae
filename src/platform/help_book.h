#pragma once

#include <QString>
#include <QUrl>

#include <vector>

// The help book: HTML pages in the folder "help" beside the program, shown in the help
// window. Each help context number is an anchor "c<number>" on one of its pages.

inline constexpr char HelpContentsPage[] = "index.html";
// A context number without a topic of its own: the contents page.
inline constexpr int HelpContentsContext = 0;

// The page and anchor of a context number ("entries.html#c4001"); the contents page for a
// number without a topic.
QString helpTopic(int context);

// Every context number that has a topic, in ascending order.
const std::vector<int>& helpContexts();

QString helpBookFolder();
// The folder of a translated book beside the strings module of that language: "help_de".
QString translatedHelpBookFolder(const QString& language);
QUrl helpUrl(const QString& bookFolder, int context);
QUrl helpContentsUrl(const QString& bookFolder);
