#pragma once

#include <QString>

// The folder where the program keeps files of its own (recovery copies, earlier versions):
// the XDG data folder of the program (on Linux ~/.local/share/glyphwright), or the folder the
// environment variable GLYPHWRIGHT_DATA_DIR names. The editor and glyphlib share it.
QString userDataFolder();
