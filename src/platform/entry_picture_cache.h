#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <cstdint>

#include "model/library.h"

// The entry list's pictures (entryListPicture), drawn on worker threads so that neither the
// start-up nor scrolling waits for them. A picture is kept by what it shows, the entry's
// settings and entities, not by its name or place: moving, duplicating or renaming an entry
// needs no new drawing, and an entry whose edit has been stored is drawn anew when it is next
// asked for.
class EntryPictureCache : public QObject {
    Q_OBJECT
  public:
    explicit EntryPictureCache(QObject* parent = nullptr);
    ~EntryPictureCache() override;  // waits for the drawings under way

    // The side of the pictures in pixels; 0 shows none and forgets every picture.
    void setSize(int size);
    int size() const { return size_; }

    // The picture of entry n (1..entryCount); a null image when it has not been drawn yet.
    QImage find(const Library& library, int n) const;
    // Asks for the pictures of entries first..last that have none and none under way; they
    // are drawn in the background and picturesReady follows.
    void prepare(const Library& library, int first, int last);
    // Whether no drawing is under way.
    bool idle() const { return pending_.isEmpty(); }

  signals:
    // Pictures asked for have been drawn; the list shows them at its next paint.
    void picturesReady();

  private:
    struct Job;
    void keep(const QList<QPair<quint64, QImage>>& drawn);

    QThreadPool workers_;
    QHash<quint64, QImage> pictures_;
    QSet<quint64> pending_;
    int size_ = 0;
};

// What an entry's picture shows, as one number: its kind, settings and entities; not its name.
quint64 entryPictureKey(const Library& library, int n, int size);
