#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <functional>

#include "model/library.h"
#include "platform/entry_picture_cache.h"

// The side of the list's pictures for View > List Pictures: none, small or large.
enum class ListPictures { None = 0, Small = 24, Large = 48 };

// All names in one insertion (row r = entry r + 1), rather than one model change per row.
void fillEntryList(QListWidget& list, const Library& library);

// The entry list beyond its rows: a picture of each entry beside its name, the filter field
// above it, and moving the current entry by dragging its row. Rows keep their numbers while
// the filter hides some, so row r stays entry r + 1.
class EntryListView : public QObject {
  public:
    // moveEntry(from, to) moves an entry dropped on another row; both are entry numbers.
    EntryListView(QListWidget& list, QLineEdit& filter, const Library& library,
                  std::function<void(int, int)> moveEntry, QObject* parent);

    // Fills the rows again from the library and makes the current entry's row the current row
    // without a click; the filter stays unless it would hide that row.
    void refresh();
    // Empties the filter field: every row shows.
    void clearFilter();
    void setPictures(ListPictures pictures);
    // Asks at the next paint for the pictures that no longer show their entry: after entries
    // were read, added or moved; only those whose content changed are drawn again.
    void picturesChanged();
    ListPictures pictures() const { return static_cast<ListPictures>(cache_.size()); }
    EntryPictureCache& pictureCache() { return cache_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyFilter();
    bool filterKey(int key);
    bool dropRow(QDropEvent& event);
    // After a paint: the pictures of the rows in sight; once those are drawn, all the others.
    void askForPictures();

    QListWidget& list_;
    // The list's viewport, kept from the start: its events still come while the list is being
    // destroyed, when the list can no longer be asked for it.
    QWidget& rows_;
    QLineEdit& filter_;
    const Library& library_;
    std::function<void(int, int)> moveEntry_;
    EntryPictureCache cache_;
    bool askPending_ = false;
    bool allAsked_ = false;
};
