#pragma once

#include <QString>
#include <QStringList>

// The folders that hold the program's data (help book, translations, samples): the program's
// own folder, as in a build tree, then share/glyphwright of the tree it is installed in.
QStringList programDataFolders();

// The first of those folders that holds `name`; the program's own folder when none does.
QString programDataPath(const QString& name);
