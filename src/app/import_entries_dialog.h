#pragma once

#include <QDialog>
#include <vector>

#include "editing/string_source.h"
#include "model/library.h"

class EntryListView;
class QListWidget;

// File > Import Entries: the entries of another library, each with its picture and a tick
// box, a filter field above them, Select All and Clear All.
class ImportEntriesDialog : public QDialog {
  public:
    ImportEntriesDialog(const Library& source, const StringSource& strings, QWidget* parent);

    // Shows the dialog modally: the ticked entries in library order, none when cancelled.
    std::vector<int> choose();

  private:
    void tickAll(bool ticked);

    QListWidget* list_ = nullptr;
    EntryListView* view_ = nullptr;
};
