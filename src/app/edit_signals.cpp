#include "app/edit_signals.h"

void EditSignals::entitiesChanged() {
    emit workEntitiesChanged();
}
void EditSignals::selectionChanged() {
    emit workSelectionChanged();
}
void EditSignals::entrySettingsChanged() {
    emit workEntrySettingsChanged();
}
void EditSignals::entryListChanged() {
    emit libraryEntriesChanged();
}
void EditSignals::currentEntryChanged() {
    emit currentEntrySwitched();
}
void EditSignals::entryStored(int n) {
    emit libraryEntryStored(n);
}
