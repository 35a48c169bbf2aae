#include "app/auto_size_form.h"

#include <QFont>

namespace {
constexpr int DesignedPointSize = 8;
}

QFont designedFont(QFont font) {
    font.setPointSize(DesignedPointSize);
    return font;
}

void applyFontSizeAdjustment(QWidget& window, int adjustment) {
    QFont font = window.font();
    font.setFamilies({QStringLiteral("MS Sans Serif"), font.family()});
    font.setPointSize(std::max(1, DesignedPointSize + adjustment));
    window.setFont(font);
}
