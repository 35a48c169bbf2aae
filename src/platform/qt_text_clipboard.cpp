#include "platform/qt_text_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

std::string QtTextClipboard::text() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

void QtTextClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtTextClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}
