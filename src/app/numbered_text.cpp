#include "app/numbered_text.h"

QString numberedText(const StringSource& strings, int n, const QStringList& values) {
    const QString wording = QString::fromStdString(strings.loadText(n));
    QString text;
    text.reserve(wording.size());
    for (qsizetype i = 0; i < wording.size(); ++i) {
        const QChar c = wording[i];
        if (c == u'%' && i + 1 < wording.size()) {
            const int index = wording[i + 1].digitValue() - 1;
            if (index >= 0 && index < values.size()) {
                text += values[index];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}
