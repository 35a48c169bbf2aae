#include "app/edit_form_layout.h"

#include <QScrollBar>

#include "app/auto_size_form.h"
#include "app/fit_to_contents.h"
#include "display/coordinates.h"
#include "platform/program_images.h"

namespace {

constexpr int ToolBarHeight = 24;
constexpr int ButtonWidth = 24;
constexpr int ButtonHeight = 22;
constexpr int ColourBoxSize = 10;
constexpr int StatusBarHeight = 19;
constexpr std::array<int, 2> PanelWidths{400, 50};
constexpr int FilterHeight = 20;

template <typename Widget>
Widget* place(Widget* widget, const char* name, int x, int y, int width, int height) {
    widget->setObjectName(name);
    widget->setGeometry(x, y, width, height);
    return widget;
}

QFrame* panel(QWidget* parent, const char* name, int x, int y, int width, int height, int shadow) {
    auto* frame = place(new QFrame(parent), name, x, y, width, height);
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(1);
    return frame;
}

QToolButton* toolButton(QWidget* parent, QAction* action, ProgramImage glyph, int x, int y) {
    action->setIcon(QIcon(QPixmap::fromImage(programImage(glyph))));
    auto* button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setIconSize(QSize(16, 16));
    const QByteArray name = action->objectName().toLatin1();
    return place(button, name.constData(), x, y, ButtonWidth, ButtonHeight);
}

QLabel* indexMark(QWidget* parent, const char* name, ProgramImage image, int x) {
    auto* mark = place(new QLabel(parent), name, x, 179, 16, 16);
    mark->setPixmap(QPixmap::fromImage(programImage(image)));
    mark->hide();  // shown only for line type libraries
    return mark;
}

}  // namespace

EditFormWidgets buildEditFormWidgets(QWidget& client, const FormCommands& commands) {
    EditFormWidgets w;
    client.setFixedSize(ClientWidth, ClientHeight);

    // Created before the drawing panel, so the panel lies above where they overlap.
    w.LeftLnIndex = indexMark(&client, "LeftLnIndex", ProgramImage::LeftLineIndex, 0);
    w.RightLnIndex = indexMark(&client, "RightLnIndex", ProgramImage::RightLineIndex, 322);

    w.ToolBar = panel(&client, "ToolBar", 0, 0, ClientWidth, ToolBarHeight, QFrame::Raised);
    w.ButtonPanel =
        place(new QFrame(w.ToolBar), "ButtonPanel", 1, 1, 3 * ButtonWidth, ButtonHeight);
    using C = Command;
    using I = ProgramImage;
    w.tbSelectBtn =
        toolButton(w.ButtonPanel, commands.action(C::tbSelectBtn), I::SelectGlyph, 0, 0);
    w.tbArcBtn =
        toolButton(w.ButtonPanel, commands.action(C::tbArcBtn), I::ArcGlyph, ButtonWidth, 0);
    w.tbLineBtn =
        toolButton(w.ButtonPanel, commands.action(C::tbLineBtn), I::LineGlyph, 2 * ButtonWidth, 0);
    w.tbUndoBtn = toolButton(w.ToolBar, commands.action(C::tbUndoBtn), I::UndoGlyph, 80, 1);
    // The colour boxes stand right of Undo; Redo takes the free tool bar after the sample.
    w.tbRedoBtn = toolButton(w.ToolBar, commands.action(C::tbRedoBtn), I::RedoGlyph, 240, 1);

    w.Picture2 = place(new QFrame(w.ToolBar), "Picture2", 112, 1, 85, ButtonHeight);
    for (int i = 0; i < static_cast<int>(w.colourBoxes.size()); ++i) {
        auto* box = new ColourBox(i + 1, w.Picture2);
        const int row = i / 8;
        const int column = i % 8;
        box->setGeometry(2 + column * ColourBoxSize, 1 + row * ColourBoxSize, ColourBoxSize,
                         ColourBoxSize);
        w.colourBoxes[static_cast<size_t>(i)] = box;
    }

    w.ColourDisplayBox = panel(w.ToolBar, "ColourDisplayBox", 200, 3, 33, 18, QFrame::Sunken);
    w.ColourSampleLine = new LineShape(w.ColourDisplayBox);
    w.ColourSampleLine->setGeometry(4, 2, 25, 14);

    w.DispBox = panel(&client, "DispBox", 12, 31, 310, 310, QFrame::Sunken);
    w.DispBox->setAutoFillBackground(true);
    QPalette silver = w.DispBox->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    w.DispBox->setPalette(silver);
    // At 100 % the scroll area is exactly the paint box: no frame, no scroll bars.
    w.drawingScroll = place(new QScrollArea(w.DispBox), "DrawingScroll", 0, 0, 310, 310);
    w.drawingScroll->setFrameShape(QFrame::NoFrame);
    w.symBox = new SymBox(w.drawingScroll);
    w.symBox->setGeometry(0, 0, 310, 310);
    w.drawingScroll->setWidget(w.symBox);

    w.SymbolsLabel = place(new QLabel(&client), "SymbolsLabel", 336, 32, 121, 14);
    w.SymbFilter = place(new QLineEdit(&client), "SymbFilter", 336, 48, 121, FilterHeight);
    w.SymbList = place(new QListWidget(&client), "SymbList", 336, 48 + FilterHeight + 2, 121,
                       292 - FilterHeight - 2);
    w.SymbList->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    w.SymbList->setSelectionMode(QAbstractItemView::SingleSelection);
    // Names share one font and one line: measuring each of 500 rows would slow every read.
    w.SymbList->setUniformItemSizes(true);

    w.StatusBar = place(new QStatusBar(&client), "StatusBar", 0, ClientHeight - StatusBarHeight,
                        ClientWidth, StatusBarHeight);
    w.StatusBar->setSizeGripEnabled(false);
    for (size_t i = 0; i < w.statusPanels.size(); ++i) {
        auto* label = new QLabel(w.StatusBar);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setFixedWidth(PanelWidths[i]);
        w.StatusBar->addWidget(label);
        w.statusPanels[i] = label;
    }
    w.statusPanels[1]->setAlignment(Qt::AlignCenter);

    w.Timer2 = new QTimer(&client);
    w.Timer2->setObjectName("Timer2");
    w.Timer2->setInterval(100);
    return w;
}

namespace {

// The width a status panel needs to show text whole, its frame and margins included.
int panelWidthFor(const QLabel& panel, const QString& text) {
    const QFontMetrics metrics = panel.fontMetrics();
    return metrics.horizontalAdvance(text) + metrics.horizontalAdvance(QLatin1Char('x')) +
           2 * panel.frameWidth() + panel.contentsMargins().left() +
           panel.contentsMargins().right();
}

// The width the entry list needs to show its widest name, after its picture when it shows
// them, beside its scroll bar.
int listWidthFor(const QListWidget& list, int pictureSide) {
    const QFontMetrics metrics = list.fontMetrics();
    int widest = 0;
    for (int row = 0; row < list.count(); ++row) {
        widest = std::max(widest, metrics.horizontalAdvance(list.item(row)->text()));
    }
    const QStyle* style = list.style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin);
    if (pictureSide > 0) {
        widest += pictureSide + 2 * (margin + 1);  // as the item delegate spaces a decoration
    }
    return widest + 2 * (list.frameWidth() + margin) + metrics.horizontalAdvance(QLatin1Char('x')) +
           style->pixelMetric(QStyle::PM_ScrollBarExtent);
}

}  // namespace

void fitEditFormToTexts(QWidget& client, const EditFormWidgets& widgets,
                        const QStringList& statusTexts, int listPictureSide) {
    // The position panel takes what the widest position, with a decimal, needs; the message
    // panel the rest of the designed width, or more when its widest text needs more.
    QLabel& position = *widgets.statusPanels[1];
    const int positionWidth =
        std::max(PanelWidths[1], panelWidthFor(position, QString::fromStdString(CoordinateReadout(
                                                             {AreaMax, AreaMin}, false))));
    QLabel& messages = *widgets.statusPanels[0];
    int messagesWidth = PanelWidths[0] + PanelWidths[1] - positionWidth;
    for (const QString& text : statusTexts) {
        messagesWidth = std::max(messagesWidth, panelWidthFor(messages, text));
    }
    position.setFixedWidth(positionWidth);
    messages.setFixedWidth(messagesWidth);
    // Taller by as much as the font's lines are taller than at the designed font.
    const int lineGrowth =
        messages.fontMetrics().height() - QFontMetrics(designedFont(messages.font())).height();
    widgets.StatusBar->setMinimumSize(widgets.StatusBar->sizeHint().width(),
                                      StatusBarHeight + std::max(0, lineGrowth));
    widgets.SymbList->setMinimumWidth(listWidthFor(*widgets.SymbList, listPictureSide));
    fitToContents(client);
}
