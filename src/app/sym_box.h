#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// The paint box of the drawing area. It shows the canvas raster with every pixel as a crisp
// block of zoom x zoom pixels (whole device pixels, no smoothing), and hands its mouse events
// to the window.
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

    // Shows each surface pixel as a zoom x zoom block; the widget takes the zoomed size.
    void setZoom(int zoom);
    int zoom() const { return zoom_; }
    // The surface pixel under a position of the widget.
    QPoint surfacePosition(QPointF position) const;

  signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void contextMenuRequested(QContextMenuEvent* event);
    // The pointer has left the paint box, in whatever direction, with no button held.
    void pointerLeft();
    // Ctrl and the wheel: one step in (+1) or out (-1).
    void zoomStepRequested(int step);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    const QImage* raster_ = nullptr;
    std::function<void()> paintHandler_;
    bool repaintRequested_ = false;
    int zoom_ = 1;
    QImage bevel_;  // the lowered bevel around the surface, drawn once per palette
    int wheelAngle_ = 0;
};

// Paints the part of the raster that covers `exposed` (widget pixels), each raster pixel as a
// zoom x zoom block, with the bevel's two-pixel ring taken from bevel on top.
void paintZoomedRaster(QPainter& painter, const QImage& raster, const QImage& bevel, int zoom,
                       const QRect& exposed);
// The lowered bevel of the drawing panel, two pixels wide, in the palette's colours.
QImage drawingBevel(QSize size, const QPalette& palette);
