#pragma once

#include <QString>
#include <QStringList>

#include "editing/string_source.h"

// formattedText for Qt's strings.
QString numberedText(const StringSource& strings, int n, const QStringList& values = {});
