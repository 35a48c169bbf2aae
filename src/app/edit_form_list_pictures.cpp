// The pictures of the entry list: their size chosen in View > List Pictures and kept in the
// program's settings, and the list painted again whenever the core tells that an entry's
// stored content changed. The picture cache keys a picture by what it shows, so the repaint
// asks anew for exactly the pictures that are out of date.

#include "app/edit_form.h"
#include "app/entry_list.h"
#include "platform/program_settings.h"

namespace {

constexpr const char* ListPicturesKey = "View/ListPictures";  // 0, 24 or 48 pixels

// The size kept in the settings; anything but 0 or 48 is the small size.
ListPictures keptListPictures() {
    const int side =
        ProgramSettings::shared().integer(ListPicturesKey, static_cast<int>(ListPictures::Small), 0,
                                          static_cast<int>(ListPictures::Large));
    switch (side) {
        case static_cast<int>(ListPictures::None):
            return ListPictures::None;
        case static_cast<int>(ListPictures::Large):
            return ListPictures::Large;
        default:
            return ListPictures::Small;
    }
}

}  // namespace

void TEditForm::connectListPictures() {
    const std::pair<QAction*, ListPictures> choices[] = {
        {viewMenu_.noPictures, ListPictures::None},
        {viewMenu_.smallPictures, ListPictures::Small},
        {viewMenu_.largePictures, ListPictures::Large}};
    for (const auto& [action, pictures] : choices) {
        connect(action, &QAction::triggered, this, [this, pictures] {
            showListPictures(pictures);
            ProgramSettings::shared().setInteger(ListPicturesKey, static_cast<int>(pictures));
        });
    }
    connect(&editSignals_, &EditSignals::libraryEntriesChanged, entryList_,
            &EntryListView::picturesChanged);
    // A stored entry out of sight is drawn anew when it is scrolled into sight.
    connect(&editSignals_, &EditSignals::libraryEntryStored, widgets_.SymbList->viewport(),
            qOverload<>(&QWidget::update));
    showListPictures(keptListPictures());
}

void TEditForm::showListPictures(ListPictures pictures) {
    entryList_->setPictures(pictures);
    viewMenu_.noPictures->setChecked(pictures == ListPictures::None);
    viewMenu_.smallPictures->setChecked(pictures == ListPictures::Small);
    viewMenu_.largePictures->setChecked(pictures == ListPictures::Large);
    fitToTexts();  // the names keep their room beside the pictures
}
