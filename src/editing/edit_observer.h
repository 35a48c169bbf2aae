#pragma once

// What the views of the edit state are told. The core calls these from the one place each
// change is made, after the change; a view reads the state it needs when told. The window
// turns the calls into Qt signals (app/edit_signals), tests record them.
class EditObserver {
  public:
    virtual ~EditObserver() = default;

    // The working copy's entities: one was written, removed or put back by undo.
    virtual void entitiesChanged() {}
    // The list of selected entities.
    virtual void selectionChanged() {}
    // The working entry's settings: origin, radii, name, colours, pattern flag.
    virtual void entrySettingsChanged() {}
    // The library's list of entries: read, emptied, an entry added, deleted, renamed, moved or
    // replaced.
    virtual void entryListChanged() {}
    // Another entry became current, or none; the working copy holds it now.
    virtual void currentEntryChanged() {}
    // The working copy was copied back into entry n of the library.
    virtual void entryStored(int /*n*/) {}
};

// An observer that ignores everything, for contexts nobody watches.
EditObserver& ignoredChanges();
