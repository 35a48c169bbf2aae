#include "app/entry_list.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTimer>

#include "display/canvas.h"
#include "model/cp1252.h"

namespace {

// Draws each row's picture, or an empty drawing area while it is being drawn, beside the name.
class PictureDelegate : public QStyledItemDelegate {
  public:
    PictureDelegate(EntryPictureCache& cache, const Library& library, QObject* parent)
        : QStyledItemDelegate(parent), cache_(cache), library_(library) {}

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const int side = cache_.size();
        if (side <= 0) {
            return;
        }
        QImage picture = cache_.find(library_, index.row() + 1);
        if (picture.isNull()) {
            picture = QImage(side, side, QImage::Format_RGB32);
            picture.fill(QColor(Silver.r, Silver.g, Silver.b));
        }
        option->features |= QStyleOptionViewItem::HasDecoration;
        option->decorationSize = QSize(side, side);
        // The picture as drawn in every state: a selected row must not tint it.
        const QPixmap pixmap = QPixmap::fromImage(picture);
        option->icon = QIcon();
        option->icon.addPixmap(pixmap, QIcon::Normal);
        option->icon.addPixmap(pixmap, QIcon::Selected);
    }

  private:
    EntryPictureCache& cache_;
    const Library& library_;
};

}  // namespace

void fillEntryList(QListWidget& list, const Library& library) {
    QStringList names;
    names.reserve(library.entryCount);
    for (int n = 1; n <= library.entryCount; ++n) {
        names.append(QString::fromStdString(cp1252ToUtf8(library.entry(n).name.view())));
    }
    list.addItems(names);
}

EntryListView::EntryListView(QListWidget& list, QLineEdit& filter, const Library& library,
                             std::function<void(int, int)> moveEntry, QObject* parent)
    : QObject(parent),
      list_(list),
      rows_(*list.viewport()),
      filter_(filter),
      library_(library),
      moveEntry_(std::move(moveEntry)) {
    list_.setItemDelegate(new PictureDelegate(cache_, library_, &list_));
    list_.setDragDropMode(QAbstractItemView::InternalMove);
    list_.setDefaultDropAction(Qt::MoveAction);
    rows_.installEventFilter(this);
    filter_.setClearButtonEnabled(true);
    filter_.installEventFilter(this);
    connect(&filter_, &QLineEdit::textChanged, this, &EntryListView::applyFilter);
    connect(&cache_, &EntryPictureCache::picturesReady, &rows_, qOverload<>(&QWidget::update));
}

void EntryListView::refresh() {
    {
        const QSignalBlocker quietList(list_);
        list_.clear();
        fillEntryList(list_, library_);
        list_.setCurrentRow(library_.currentEntry - 1);
    }
    applyFilter();
    const int current = list_.currentRow();
    if (current >= 0 && list_.isRowHidden(current)) {
        clearFilter();
    }
    allAsked_ = false;
}

void EntryListView::clearFilter() {
    filter_.clear();
}

void EntryListView::setPictures(ListPictures pictures) {
    cache_.setSize(static_cast<int>(pictures));
    allAsked_ = false;
    list_.doItemsLayout();
    rows_.update();
}

void EntryListView::picturesChanged() {
    allAsked_ = false;
    rows_.update();
}

void EntryListView::applyFilter() {
    const QString text = filter_.text();
    for (int row = 0; row < list_.count(); ++row) {
        list_.setRowHidden(row, !list_.item(row)->text().contains(text, Qt::CaseInsensitive));
    }
}

bool EntryListView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &filter_ && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !filter_.text().isEmpty()) {
        event->accept();  // the field's Escape, before the window's own
        return true;
    }
    if (watched == &filter_ && event->type() == QEvent::KeyPress) {
        return filterKey(static_cast<QKeyEvent*>(event)->key());
    }
    if (watched == &rows_) {
        if (event->type() == QEvent::Drop) {
            return dropRow(static_cast<QDropEvent&>(*event));
        }
        if (event->type() == QEvent::Paint && cache_.size() > 0 && !askPending_) {
            askPending_ = true;
            QTimer::singleShot(0, this, &EntryListView::askForPictures);
        }
    }
    return QObject::eventFilter(watched, event);
}

// Escape shows every row again; Down goes on into the list, to the first row shown when the
// current one is hidden.
bool EntryListView::filterKey(int key) {
    if (key == Qt::Key_Escape && !filter_.text().isEmpty()) {
        clearFilter();
        return true;
    }
    if (key != Qt::Key_Down) {
        return false;
    }
    list_.setFocus();
    const int current = list_.currentRow();
    if (current < 0 || list_.isRowHidden(current)) {
        for (int row = 0; row < list_.count(); ++row) {
            if (!list_.isRowHidden(row)) {
                list_.setCurrentRow(row);
                break;
            }
        }
    }
    return true;
}

// A row dropped on another takes its place; below the last row it goes to the end. The row
// dragged is the current one: pressing on it made it so.
bool EntryListView::dropRow(QDropEvent& event) {
    if (event.source() != &list_) {
        return false;
    }
    const int from = list_.currentRow();
    const QModelIndex target = list_.indexAt(event.position().toPoint());
    const int to = target.isValid() ? target.row() : list_.count() - 1;
    // Nothing is moved by the list itself, so nothing is removed when the drag ends.
    event.setDropAction(Qt::CopyAction);
    event.accept();
    if (from >= 0 && to >= 0 && from != to) {
        QTimer::singleShot(0, this, [this, from, to] { moveEntry_(from + 1, to + 1); });
    }
    return true;
}

// The rows in sight come first and alone, so that the start-up and a switch of entries never
// wait for the pictures of a whole library; the rest follow at the paint that shows those.
void EntryListView::askForPictures() {
    askPending_ = false;
    const QModelIndex top = list_.indexAt(QPoint(0, 0));
    const QModelIndex bottom = list_.indexAt(QPoint(0, rows_.height() - 1));
    if (top.isValid()) {
        const int last = bottom.isValid() ? bottom.row() : list_.count() - 1;
        cache_.prepare(library_, top.row() + 1, last + 1);
    }
    if (!allAsked_ && cache_.idle()) {
        allAsked_ = true;
        cache_.prepare(library_, 1, library_.entryCount);
    }
}
