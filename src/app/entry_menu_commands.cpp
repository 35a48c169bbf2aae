#include "app/entry_menu_commands.h"

#include <QSignalBlocker>

#include "app/edit_form.h"
#include "editing/entry_commands.h"

void EntryMenu_Delete_Click(TEditForm& form) {
    EditContext& ctx = form.context();
    const Library& library = ctx.state.library;
    if (library.currentEntry == 0 || !confirmEntryDeletion(ctx)) {
        return;
    }
    QListWidget& list = *form.widgets().SymbList;
    {
        // Removing the row moves the list's current row; that is no click on an entry.
        const QSignalBlocker quietList(list);
        delete list.takeItem(library.currentEntry - 1);
    }
    deleteCurrentEntry(ctx);
}
