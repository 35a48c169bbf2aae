#include "app/preview_panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "app/edit_form.h"
#include "app/numbered_text.h"
#include "editing/release_outcome.h"
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
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, panel_.picture()); }

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
    // A move or a grip's drag stores nothing before the release, but the preview follows it.
    connect(form.widgets().symBox, &SymBox::mouseMoved, this, [this] {
        const PointerState state = form_.state().pointerState;
        if (state == PointerState::MoveSelection || state == PointerState::DragHandle) {
            picture_->update();
        }
    });
    connect(&form, &TEditForm::stringsLoaded, this, &PreviewPanel::setTexts);
}

void PreviewPanel::setTexts() {
    sizeRadius_->setText(numberedText(form_.strings(), SizeRadiusText));
}

void PreviewPanel::showEvent(QShowEvent* event) {
    // Only symbols have a size radius; the kind is fixed once the window has started, which
    // is before the panel is first shown.
    sizeRadius_->setVisible(form_.state().library.libraryKind == LibraryKind::Symbol);
    QWidget::showEvent(event);
}

QImage PreviewPanel::picture() const {
    const EditorState& state = form_.state();
    const Library& library = state.library;
    const WorkAfterRelease work = workAfterRelease(state);
    const std::span entities(work.entities.data(),
                             library.currentEntry >= 1 ? work.entities.size() : 0);
    return entryPreview(library.libraryKind, work.entry, entities, picture_->size(),
                        sizeRadius_->isChecked());
}
