#pragma once

#include <QFrame>
#include <QWidget>

// One of the sixteen colour boxes: a small panel filled with its colour that reports clicks.
class ColourBox : public QFrame {
    Q_OBJECT
  public:
    ColourBox(int index, QWidget* parent);

    int index() const { return index_; }
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }

  signals:
    void clicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int index_;
    QColor colour_;
};

// The line shape inside the colour sample panel; its pen colour shows the current colour.
class LineShape : public QWidget {
    Q_OBJECT
  public:
    explicit LineShape(QWidget* parent);

    void setPenColour(const QColor& colour);
    QColor penColour() const { return penColour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor penColour_ = Qt::black;
};
