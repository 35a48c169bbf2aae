#pragma once

class TEditForm;

// Symbol > Delete and Line Type > Delete: after the kind's question, removes the current
// entry's row and the entry; the next entry (or the new last one) becomes current.
void EntryMenu_Delete_Click(TEditForm& form);
