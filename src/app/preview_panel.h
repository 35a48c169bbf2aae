#pragma once

#include <QCheckBox>
#include <QWidget>

class TEditForm;

// The Preview panel: the entry being edited as the map will show it (platform/preview_picture),
// drawn at the panel's size. It is drawn again, at the next paint, whenever the working copy,
// the entry's settings or the current entry change, and while a drag moves entities.
class PreviewPanel : public QWidget {
    Q_OBJECT
  public:
    explicit PreviewPanel(TEditForm& form);

    // Labels from the string table; run when the strings are loaded.
    void setTexts();
    QCheckBox* sizeRadiusBox() const { return sizeRadius_; }
    // The picture as the panel shows it now.
    QImage picture() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    class Picture;

    TEditForm& form_;
    QCheckBox* sizeRadius_;
    Picture* picture_;
};
