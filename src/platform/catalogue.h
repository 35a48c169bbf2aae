#pragma once

#include <QString>

#include "model/library.h"

class StringSource;

inline constexpr int DefaultCatalogueColumns = 4;
inline constexpr int MaxCatalogueColumns = 8;

// Whether the file name asks for a page in a browser (.html, .htm) rather than a PDF file.
bool isHtmlCatalogue(const QString& path);

// Every entry of the library with its picture (line types also repeated along a straight
// line), number and name, `columns` to a row (1..MaxCatalogueColumns): an A4 PDF file whose
// pages each carry the library's name, the date, the entry count and the page number, or
// one HTML page with the same. `libraryName` heads the pages. Written to a temporary file
// first, so a failure leaves an older catalogue as it was; then false with the reason.
bool writeCatalogue(const QString& path, const Library& library, const QString& libraryName,
                    int columns, const StringSource& strings, QString& error);
