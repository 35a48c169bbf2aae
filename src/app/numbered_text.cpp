#include "app/numbered_text.h"

QString numberedText(const StringSource& strings, int n, const QStringList& values) {
    std::vector<std::string> utf8;
    utf8.reserve(values.size());
    for (const QString& value : values) {
        utf8.push_back(value.toStdString());
    }
    return QString::fromStdString(formattedText(strings, n, utf8));
}
