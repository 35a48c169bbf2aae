#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// The paint box of the drawing area. It shows the canvas raster pixel for pixel, scaled by
// whole device pixels without smoothing, and hands its mouse events to the window.
class SymBox : public QWidget {
    Q_OBJECT
  public:
    explicit SymBox(QWidget* parent);

    // The raster to show; it must outlive the widget.
    void setRaster(const QImage* raster) { raster_ = raster; }
    // Runs before the next blit after requestRepaint, to draw the whole picture again
    // (SymBoxPaint). Other paints show the raster as it is.
    void setPaintHandler(std::function<void()> handler) { paintHandler_ = std::move(handler); }
    void requestRepaint();

  signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void contextMenuRequested(QContextMenuEvent* event);
    // The pointer has left the paint box, in whatever direction, with no button held.
    void pointerLeft();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    const QImage* raster_ = nullptr;
    std::function<void()> paintHandler_;
    bool repaintRequested_ = false;
};
