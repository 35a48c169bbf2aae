#pragma once

#include <QString>
#include <QStringList>

#include "editing/string_source.h"

// String n of the table with %1 to %9 replaced by values, in one pass: a value that holds
// "%2" itself stays as it is. A placeholder without a value stays as written.
QString numberedText(const StringSource& strings, int n, const QStringList& values = {});
