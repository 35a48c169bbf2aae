#include "platform/string_table.h"

#include <QFile>

namespace {

std::string textOf(const NumberedTexts& texts, int n) {
    const auto found = texts.find(n);
    return found == texts.end() ? std::string() : found->second;
}

NumberedTexts readBuiltinTable() {
    QFile file(QStringLiteral(":/strings/builtin.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    return parseStringTable(std::string_view(bytes.constData(), size_t(bytes.size())));
}

}  // namespace

StringTable::StringTable() : builtin_(readBuiltinTable()) {}

std::string StringTable::loadText(int n) const {
    if (!module_) {
        return builtinText(n);
    }
    if (n > LastOriginalStringNumber && !module_->contains(n)) {
        return builtinText(n);
    }
    return textOf(*module_, n);
}

std::string StringTable::builtinText(int n) const {
    return textOf(builtin_, n);
}

void StringTable::setStringsModule(std::optional<NumberedTexts> module) {
    if (moduleChosen_) {
        return;
    }
    moduleChosen_ = true;
    module_ = std::move(module);
}
