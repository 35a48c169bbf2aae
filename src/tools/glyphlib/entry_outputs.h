#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "model/library.h"
#include "tools/glyphlib/command_options.h"

// Where a command that writes one file per entry puts them: --entry NAME|#N with -o OUT, or
// --all DIR; --scale K enlarges them.
struct EntryOutputs {
    std::optional<std::string> entry;
    std::optional<std::string> output;
    std::optional<std::string> folder;
    int scale = 1;
};

inline constexpr std::string_view EntryOutputOptions[] = {"--entry", "-o", "--all", "--scale"};

// The outputs the options name; the error text when they do not fit together. `maxScale` is
// the largest --scale, `output` names -o in the messages ("OUT.png").
std::optional<std::string> parseEntryOutputs(const TakenOptions& options, int maxScale,
                                             std::string_view output, EntryOutputs& parsed);

// The entry "#N" (1..entryCount) or the first entry of that name; 0 when there is none.
int findEntry(const Library& library, const std::string& wanted);

// Calls write(n, path) for the chosen entry, or for every entry with a path in the folder
// named by number and name with the extension ("svg"), and returns the exit code: Usage
// for an unknown entry, Unreadable when a folder or file cannot be written (write reports
// why) and Success.
int writeEntryOutputs(const std::string& file, const Library& library, const EntryOutputs& outputs,
                      const QString& extension,
                      const std::function<bool(int n, const QString& path)>& write);

// Writes the picture as PNG through a temporary file, so a failed write leaves an older
// picture as it was; false after saying why on stderr.
bool writePicture(const QImage& picture, const QString& path);
