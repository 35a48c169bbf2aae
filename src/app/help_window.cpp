#include "app/help_window.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QShortcut>
#include <QStyle>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/numbered_text.h"
#include "platform/program_settings.h"

namespace {

constexpr int HelpTitleString = 160;
constexpr int BackString = 161;
constexpr int ForwardString = 162;
constexpr int HomeString = 163;
constexpr int FindString = 164;
constexpr int PreviousString = 165;
constexpr int NextString = 166;
constexpr int OpenInBrowserString = 167;
constexpr int NoBrowserString = 168;
constexpr int NoBookString = 169;
constexpr int NotFoundString = 170;
constexpr int WarningString = 106;

constexpr char ContentsPage[] = "index.html";
constexpr QSize FirstSize{680, 600};
constexpr char WidthKey[] = "HelpWindow/Width";
constexpr char HeightKey[] = "HelpWindow/Height";
constexpr int MinimumSide = 200;
constexpr int MaximumSide = 16384;

QToolButton* navigationButton(QWidget* parent, const QString& text, QStyle::StandardPixmap icon,
                              const QKeySequence& keys) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setShortcut(keys);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(const StringSource& strings, const QStringList& bookFolders, QWidget* parent)
    : QWidget(parent, Qt::Window), browser(new QTextBrowser(this)), strings_(strings) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(numberedText(strings, HelpTitleString));
    const ProgramSettings& settings = ProgramSettings::shared();
    resize(settings.integer(WidthKey, FirstSize.width(), MinimumSide, MaximumSide),
           settings.integer(HeightKey, FirstSize.height(), MinimumSide, MaximumSide));

    browser->setObjectName(QStringLiteral("HelpBrowser"));
    browser->setSearchPaths(bookFolders);
    browser->setOpenExternalLinks(true);

    backButton = navigationButton(this, numberedText(strings, BackString), QStyle::SP_ArrowBack,
                                  QKeySequence::Back);
    forwardButton = navigationButton(this, numberedText(strings, ForwardString),
                                     QStyle::SP_ArrowForward, QKeySequence::Forward);
    homeButton = navigationButton(this, numberedText(strings, HomeString), QStyle::SP_DirHomeIcon,
                                  QKeySequence(Qt::ALT | Qt::Key_Home));
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);
    connect(backButton, &QToolButton::clicked, browser, &QTextBrowser::backward);
    connect(forwardButton, &QToolButton::clicked, browser, &QTextBrowser::forward);
    connect(homeButton, &QToolButton::clicked, this,
            [this] { showTopic(QLatin1String(ContentsPage)); });
    connect(browser, &QTextBrowser::backwardAvailable, backButton, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forwardButton, &QToolButton::setEnabled);

    auto* findLabel = new QLabel(numberedText(strings, FindString), this);
    findEdit = new QLineEdit(this);
    findEdit->setObjectName(QStringLiteral("HelpFind"));
    findEdit->setClearButtonEnabled(true);
    findLabel->setBuddy(findEdit);
    auto* previous = new QToolButton(this);
    previous->setText(numberedText(strings, PreviousString));
    auto* next = new QToolButton(this);
    next->setText(numberedText(strings, NextString));
    notFound_ = new QLabel(this);
    connect(findEdit, &QLineEdit::returnPressed, this, [this] { findFromEdit(false); });
    connect(findEdit, &QLineEdit::textEdited, notFound_, &QLabel::clear);
    connect(previous, &QToolButton::clicked, this, [this] { findFromEdit(true); });
    connect(next, &QToolButton::clicked, this, [this] { findFromEdit(false); });
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        findEdit->setFocus();
        findEdit->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this,
            [this] { findFromEdit(false); });
    connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this,
            [this] { findFromEdit(true); });

    browserLink = new QLabel(QStringLiteral("<a href=\"page\">%1</a>")
                                 .arg(numberedText(strings, OpenInBrowserString).toHtmlEscaped()),
                             this);
    browserLink->setObjectName(QStringLiteral("HelpBrowserLink"));
    browserLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                         Qt::LinksAccessibleByKeyboard);
    connect(browserLink, &QLabel::linkActivated, this, &HelpWindow::openInBrowser);

    auto* top = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(backButton), static_cast<QWidget*>(forwardButton),
                       static_cast<QWidget*>(homeButton)}) {
        top->addWidget(w);
    }
    top->addStretch();
    top->addWidget(browserLink);
    auto* bottom = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(findLabel), static_cast<QWidget*>(findEdit),
                       static_cast<QWidget*>(previous), static_cast<QWidget*>(next),
                       static_cast<QWidget*>(notFound_)}) {
        bottom->addWidget(w);
    }
    bottom->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(browser, 1);
    column->addLayout(bottom);
}

namespace {

// The book folder that holds the page, the first one in order; empty when none does.
QString folderOf(const QStringList& folders, const QString& page) {
    for (const QString& folder : folders) {
        if (QFileInfo(QDir(folder).filePath(page)).isFile()) {
            return folder;
        }
    }
    return {};
}

}  // namespace

void HelpWindow::showTopic(const QString& topic) {
    const QUrl url(topic);
    if (folderOf(browser->searchPaths(), url.path()).isEmpty()) {
        const QString folders = browser->searchPaths().join(QStringLiteral(", "));
        browser->setHtml(QStringLiteral("<p>%1</p>")
                             .arg(numberedText(strings_, NoBookString, {folders}).toHtmlEscaped()));
    } else {
        browser->setSource(url);
    }
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::pageUrl() const {
    const QUrl source = browser->source();
    const QString folder = folderOf(browser->searchPaths(), source.path());
    if (folder.isEmpty()) {
        return {};
    }
    QUrl url = QUrl::fromLocalFile(QDir(folder).absoluteFilePath(source.path()));
    url.setFragment(source.fragment());
    return url;
}

bool HelpWindow::findText(const QString& text, bool backward) {
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (text.isEmpty() || browser->find(text, flags)) {
        return !text.isEmpty();
    }
    // Round the end of the page and on from the other end.
    QTextCursor cursor = browser->textCursor();
    const QTextCursor before = cursor;
    cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser->setTextCursor(cursor);
    if (browser->find(text, flags)) {
        return true;
    }
    browser->setTextCursor(before);
    return false;
}

void HelpWindow::findFromEdit(bool backward) {
    const bool found = findText(findEdit->text(), backward);
    notFound_->setText(found || findEdit->text().isEmpty()
                           ? QString()
                           : numberedText(strings_, NotFoundString, {findEdit->text()}));
}

void HelpWindow::openInBrowser() {
    const QUrl url = pageUrl();
    if (!url.isValid() || !QDesktopServices::openUrl(url)) {
        QMessageBox::warning(this, numberedText(strings_, WarningString),
                             numberedText(strings_, NoBrowserString, {url.toString()}));
    }
}

void HelpWindow::hideEvent(QHideEvent* event) {
    ProgramSettings& settings = ProgramSettings::shared();
    settings.setInteger(WidthKey, width());
    settings.setInteger(HeightKey, height());
    QWidget::hideEvent(event);
}
