// The zoom of the drawing area: the paint box shows every surface pixel as a block, and the
// classic form grows around it, the entry list and the status bar moving out of its way.

#include <QScreen>
#include <QScrollBar>

#include "app/drawing_zoom.h"
#include "app/edit_form.h"
#include "platform/program_images.h"
#include "platform/program_settings.h"

namespace {

constexpr const char* ZoomKey = "View/Zoom";
constexpr const char* PanelsKey = "View/Panels";  // QMainWindow::saveState

}  // namespace

void TEditForm::keepClassicGeometry() {
    const EditFormWidgets& w = widgets_;
    classic_ = {centralWidget()->size(),   w.ToolBar->geometry(),      w.DispBox->geometry(),
                w.LeftLnIndex->geometry(), w.RightLnIndex->geometry(), w.SymbolsLabel->geometry(),
                w.SymbFilter->geometry(),  w.SymbList->geometry(),     w.StatusBar->geometry()};
}

void TEditForm::connectZoom() {
    const EditFormWidgets& w = widgets_;
    connect(viewMenu_.zoomIn, &QAction::triggered, this, [this] { setZoom(zoom_ + 1); });
    connect(viewMenu_.zoomOut, &QAction::triggered, this, [this] { setZoom(zoom_ - 1); });
    connect(viewMenu_.actualSize, &QAction::triggered, this, [this] { setZoom(1); });
    connect(w.symBox, &SymBox::zoomStepRequested, this,
            [this](int step) { setZoom(zoom_ + step); });
    connect(w.drawingScroll->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TEditForm::placeIndexMarks);
}

void TEditForm::setZoom(int zoom) {
    applyZoom(zoom);
    ProgramSettings::shared().setInteger(ZoomKey, zoom_);
}

void TEditForm::restoreView() {
    ProgramSettings& settings = ProgramSettings::shared();
    applyZoom(settings.integer(ZoomKey, 1, MinZoom, MaxZoom));
    const QByteArray panels = settings.bytes(PanelsKey);
    if (panels.isEmpty()) {
        previewDock_->setVisible(options_.previewOnFirstRun);
    } else {
        restoreState(panels);
    }
}

void TEditForm::rememberPanels() {
    ProgramSettings::shared().setBytes(PanelsKey, saveState());
}

void TEditForm::applyZoom(int zoom) {
    zoom_ = clampZoom(zoom);
    viewMenu_.zoomIn->setEnabled(zoom_ < MaxZoom);
    viewMenu_.zoomOut->setEnabled(zoom_ > MinZoom);
    viewMenu_.actualSize->setEnabled(zoom_ != 1);
    widgets_.symBox->setZoom(zoom_);
    layOutForZoom();
}

void TEditForm::layOutForZoom() {
    const int k = zoom_;
    const ClassicGeometry& c = classic_;
    const EditFormWidgets& w = widgets_;
    const QSize drawing = c.dispBox.size() * k;
    // What the screen leaves for the drawing once the rest of the window has its room.
    QSize room = drawing;
    if (const QScreen* display = screen()) {
        const QSize outside = frameGeometry().size() - centralWidget()->size() +
                              (c.client - c.dispBox.size()) +
                              QSize((c.dispBox.x() + c.rightMark.width()) * (k - 1), 0);
        room = display->availableGeometry().size() - outside;
    }
    QSize shown = drawing.boundedTo(room).expandedTo(c.dispBox.size());
    // A scroll bar along one edge takes room from the other direction; give it back.
    const QScrollArea& scroll = *w.drawingScroll;
    if (shown.height() < drawing.height()) {
        shown.rwidth() += scroll.verticalScrollBar()->sizeHint().width();
    }
    if (shown.width() < drawing.width()) {
        shown.rheight() += scroll.horizontalScrollBar()->sizeHint().height();
    }
    shown = shown.boundedTo(room).expandedTo(c.dispBox.size());

    // The margin left of the drawing holds the left index mark, which grows with the zoom.
    const QRect dispBox(c.dispBox.x() * k, c.dispBox.y(), shown.width(), shown.height());
    const int shiftX = dispBox.right() - c.dispBox.right() + c.rightMark.width() * (k - 1);
    const int shiftY = dispBox.bottom() - c.dispBox.bottom();
    w.DispBox->setGeometry(dispBox);
    w.drawingScroll->setGeometry(QRect(QPoint(0, 0), shown));
    w.ToolBar->resize(c.toolBar.width() + shiftX, c.toolBar.height());
    w.SymbolsLabel->move(c.label.x() + shiftX, c.label.y());
    w.SymbFilter->move(c.filter.x() + shiftX, c.filter.y());
    w.SymbList->setGeometry(c.list.adjusted(shiftX, 0, shiftX, shiftY));
    w.StatusBar->setGeometry(c.statusBar.translated(0, shiftY).adjusted(0, 0, shiftX, 0));
    centralWidget()->setFixedSize(c.client + QSize(shiftX, shiftY));
    placeIndexMarks();

    // A window grown past the screen's edge comes back onto it.
    if (const QScreen* display = screen(); display != nullptr && isVisible()) {
        const QRect avail = display->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveRight(std::min(frame.right(), avail.right()));
        frame.moveBottom(std::min(frame.bottom(), avail.bottom()));
        frame.moveLeft(std::max(frame.left(), avail.left()));
        frame.moveTop(std::max(frame.top(), avail.top()));
        move(frame.topLeft());
    }
}

// The index marks sit beside the base line of the drawing, zoomed like it, and follow it when
// the drawing scrolls.
void TEditForm::placeIndexMarks() {
    const int k = zoom_;
    const ClassicGeometry& c = classic_;
    const EditFormWidgets& w = widgets_;
    const int scrolled = w.drawingScroll->verticalScrollBar()->value();
    const int y = c.dispBox.y() + (c.leftMark.y() - c.dispBox.y()) * k - scrolled;
    const QSize size = c.leftMark.size() * k;
    w.LeftLnIndex->setGeometry(QRect(QPoint(c.leftMark.x() * k, y), size));
    w.RightLnIndex->setGeometry(QRect(QPoint(w.DispBox->geometry().right() + 1, y), size));
    // Whole blocks, no smoothing, like the drawing.
    w.LeftLnIndex->setPixmap(
        QPixmap::fromImage(programImage(ProgramImage::LeftLineIndex).scaled(size)));
    w.RightLnIndex->setPixmap(
        QPixmap::fromImage(programImage(ProgramImage::RightLineIndex).scaled(size)));
}
