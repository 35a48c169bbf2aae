#pragma once

#include "editing/edit_context.h"
#include "editing/text_clipboard.h"

// Edit > Cut, Copy, Paste and Delete: the selected entities travel through the system
// clipboard as text, so another entry, library or running editor can take them. Every change
// goes through setEntity and deleteEntity and can be undone.

// Puts the selected entities on the clipboard, in selection order, and enables Paste.
void copySelectionToClipboard(EditContext& ctx);
// Whether the clipboard holds entities of this editor: text that starts with the marker.
bool clipboardHasEntities(const TextClipboard& clipboard);
// Enables Edit > Paste exactly when the clipboard holds entities; the window runs it at
// start-up, on every repaint and whenever the clipboard changes.
void updatePasteEnabled(EditContext& ctx);
// Replaces the selection by the clipboard's entities, appended after the existing ones in text
// order. Stops at the first line that is not an entity of the drawing area, and with the limit
// message once the entry holds 250; only a text read to its end redraws the entry in full.
void pasteFromClipboard(EditContext& ctx);
// Removes every selected entity, the highest index first (one Deleted step each), and redraws.
void deleteSelected(EditContext& ctx);

void EditMenu_Cut_Click(EditContext& ctx);
void EditMenu_Copy_Click(EditContext& ctx);
void EditMenu_Paste_Click(EditContext& ctx);
void EditMenu_Delete_Click(EditContext& ctx);
