#include "platform/help_book.h"

#include "platform/program_data.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <array>

namespace {

struct HelpPage {
    int context;
    const char* page;
};

// Sorted by context number.
constexpr std::array helpPages{
    HelpPage{1, "window.html"},       HelpPage{501, "files.html"},
    HelpPage{502, "files.html"},      HelpPage{503, "files.html"},
    HelpPage{504, "files.html"},      HelpPage{505, "files.html"},
    HelpPage{1001, "editing.html"},   HelpPage{1002, "editing.html"},
    HelpPage{1003, "editing.html"},   HelpPage{1004, "editing.html"},
    HelpPage{1005, "editing.html"},   HelpPage{1006, "keyboard.html"},
    HelpPage{1007, "selecting.html"}, HelpPage{1008, "selecting.html"},
    HelpPage{1501, "drawing.html"},   HelpPage{1502, "drawing.html"},
    HelpPage{1503, "drawing.html"},   HelpPage{2001, "entries.html"},
    HelpPage{2002, "entries.html"},   HelpPage{2003, "entries.html"},
    HelpPage{2004, "entries.html"},   HelpPage{2502, "entries.html"},
    HelpPage{2503, "entries.html"},   HelpPage{2504, "entries.html"},
    HelpPage{3003, "window.html"},    HelpPage{3004, "window.html"},
    HelpPage{3501, "files.html"},     HelpPage{3502, "editing.html"},
    HelpPage{3503, "drawing.html"},   HelpPage{3504, "entries.html"},
    HelpPage{3505, "entries.html"},   HelpPage{3506, "window.html"},
    HelpPage{4001, "entries.html"},   HelpPage{4002, "entries.html"},
    HelpPage{4003, "entries.html"},   HelpPage{4004, "entries.html"},
};
static_assert(std::ranges::is_sorted(helpPages, {}, &HelpPage::context));

QUrl bookUrl(const QString& bookFolder, const QString& topic) {
    QUrl url =
        QUrl::fromLocalFile(QDir(bookFolder).filePath(topic.section(QLatin1Char('#'), 0, 0)));
    url.setFragment(topic.section(QLatin1Char('#'), 1), QUrl::DecodedMode);
    return url;
}

}  // namespace

QString helpTopic(int context) {
    const auto found = std::ranges::lower_bound(helpPages, context, {}, &HelpPage::context);
    if (found == helpPages.end() || found->context != context) {
        return QLatin1String(HelpContentsPage);
    }
    return QStringLiteral("%1#c%2").arg(QLatin1String(found->page)).arg(context);
}

const std::vector<int>& helpContexts() {
    static const std::vector<int> contexts = [] {
        std::vector<int> numbers;
        for (const HelpPage& page : helpPages) {
            numbers.push_back(page.context);
        }
        return numbers;
    }();
    return contexts;
}

QString helpBookFolder() {
    return programDataPath(QStringLiteral("help"));
}

QUrl helpUrl(const QString& bookFolder, int context) {
    return bookUrl(bookFolder, helpTopic(context));
}

QUrl helpContentsUrl(const QString& bookFolder) {
    return bookUrl(bookFolder, QLatin1String(HelpContentsPage));
}

QString translatedHelpBookFolder(const QString& language) {
    // Through QLocale, so that the module's text cannot name any other folder.
    return QStringLiteral("help_") + QLocale(language).bcp47Name();
}
