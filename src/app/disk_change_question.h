#pragma once

class TEditForm;

// When the window becomes active again and another program has changed the open library
// file since the editor last read or wrote it, asks whether to read it again (string 109):
// Yes discards the changes made here and reads the file; No keeps editing, and the next save
// replaces the file. A file that is gone is only reported (string 110). Each change on disk
// is asked about once.
void askAboutLibraryChangedOnDisk(TEditForm& form);
