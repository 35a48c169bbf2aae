#include "app/preview_panel.h"

#include <QPainter>
#include <QVBoxLayout>

#include "app/edit_form.h"
#include "platform/preview_picture.h"

namespace {

constexpr int SizeRadiusText = 402;

}  // namespace

// Draws the preview when painted, so that any number of changes between two frames cost one
// picture, and a hidden panel costs nothing.
class PreviewPanel::Picture : public QWidget {
  public:
    explicit Picture(PreviewPanel& panel) : QWidget(&panel), panel_(panel) {
        setMinimumSize(160, 120);
    }
    QSize sizeHint() const override { return DefaultPreviewSize / 2; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).drawImage(0, 0, panel_.picture());
    }

  private:
    PreviewPanel& panel_;
};

PreviewPanel::PreviewPanel(TEditForm& form)
    : form_(form), sizeRadius_(new QCheckBox(this)), picture_(new Picture(*this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_, 1);
    layout->addWidget(sizeRadius_);
    const EditSignals* changes = &form.editSignals();
    const auto redraw = [this] { picture_->update(); };
    connect(changes, &EditSignals::workEntitiesChanged, this, redraw);
    connect(changes, &EditSignals::workEntrySettingsChanged, this, redraw);
    connect(changes, &EditSignals::currentEntrySwitched, this, redraw);
    connect(changes, &EditSignals::libraryEntriesChanged, this, redraw);
    connect(sizeRadius_, &QCheckBox::toggled, this, redraw);
}

void PreviewPanel::setTexts() {
    sizeRadius_->setText(QString::fromStdString(form_.strings().loadText(SizeRadiusText)));
    // Only symbols have a size radius; the kind is fixed once the window has started.
    sizeRadius_->setVisible(form_.state().library.libraryKind == LibraryKind::Symbol);
}

QImage PreviewPanel::picture() const {
    const EditorState& state = form_.state();
    const Library& library = state.library;
    const WorkingCopy& work = state.work;
    const std::span entities(work.workEntities.data(),
                             library.currentEntry >= 1 ? size_t(work.workEntityCount) : 0);
    return entryPreview(library.libraryKind, work.workEntry, entities, picture_->size(),
                        sizeRadius_->isChecked());
}
