#pragma once

class TEditForm;

// File > Print Catalogue...: asks for a PDF or HTML file and writes the catalogue of the
// library there, the working copy stored first so that it shows the entry as edited.
void LibMenu_PrintCatalogue_Click(TEditForm& form);
