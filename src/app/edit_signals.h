#pragma once

#include <QObject>

#include "editing/edit_observer.h"

// The window's observer of the edit state: each call of the core becomes a Qt signal, which
// the panels connect to. The signals come at once, inside the handler that made the change.
class EditSignals : public QObject, public EditObserver {
    Q_OBJECT
  public:
    using QObject::QObject;

    void entitiesChanged() override;
    void selectionChanged() override;
    void entrySettingsChanged() override;
    void entryListChanged() override;
    void currentEntryChanged() override;
    void entryStored(int n) override;

  signals:
    void workEntitiesChanged();
    void workSelectionChanged();
    void workEntrySettingsChanged();
    void libraryEntriesChanged();
    void currentEntrySwitched();
    void libraryEntryStored(int n);
};
