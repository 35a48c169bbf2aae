#pragma once

class TEditForm;

// File > Earlier Versions...: opens a kept version of the library as a new, unnamed library,
// to copy entries out of it or to save it under a name.
void LibMenu_VersionsClick(TEditForm& form);
