#pragma once

#include <string>

#include "model/read_result.h"

class TEditForm;

// The window's side of reading and writing the library file: the codec does the file layout,
// these show its outcome, fill the entry list and set the commands.

// Replaces the entries by those of the file and loads the first one. The caller has cleared
// the library, the selection and the working copy, and clears libraryModified afterwards.
// A file that cannot be read as a library, or one in an older layout, leaves no file name,
// so the next Save asks for one.
void readLibrary(TEditForm& form, const std::string& fileName);
// The window's steps of readLibrary for a file already read into the library with `result`.
void showLibraryRead(TEditForm& form, const std::string& fileName, const ReadResult& result);

// Stores the working copy and writes the whole library; true when the file was replaced.
// On failure the old file stays as it was and the library stays modified.
bool writeLibrary(TEditForm& form, const std::string& fileName);
