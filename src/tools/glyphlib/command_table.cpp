#include "tools/glyphlib/command.h"
#include "tools/glyphlib/commands.h"

namespace {

constexpr std::string_view KindHelp =
    "The library kind is line type when the upper-cased file name contains \".LTP\", else\n"
    "symbol; --kind symbol|linetype chooses it instead.\n";

constexpr Command Commands[] = {
    {"info", "[--kind symbol|linetype] FILE",
     "Shows the kind, the layout and the number of entries of a library, then one line per\n"
     "entry with its number, name and entity count, and what the reader had to skip.\n",
     runInfo},
    {"dump", "[--kind symbol|linetype] FILE",
     "Prints the library as read, as JSON: coordinates in display units as held in memory,\n"
     "names decoded from Windows-1252. When the read stopped with an error, the entries read\n"
     "so far are printed with an \"error\" member.\n",
     runDump},
    {"convert", "[--kind symbol|linetype] IN OUT",
     "Reads a library of any accepted layout and writes it to OUT in the current layout. OUT\n"
     "is replaced only once the whole library has been written.\n",
     runConvert},
    {"check", "[--kind symbol|linetype] [--json] FILE",
     "Lists what a library keeper should fix or know, one finding per line: the severity\n"
     "(error or warning), the rule's id, the entry's number and name, the entity's number and\n"
     "the text. Errors: lines the reader skipped or lost, points outside the drawing area,\n"
     "arcs without a valid centre or of a radius above 3000, colours outside 1..16, equal\n"
     "names, names the host cannot show. Warnings: lines of zero length, entities lying on\n"
     "one another, empty entries, names equal but for case or trailing blanks, colours while\n"
     "\"Use colors\" is off, symbols reaching beyond their size radius, line type patterns\n"
     "that leave gaps or whose stored height is stale, older layouts. --json prints one JSON\n"
     "object. Exits with 1 when there is an error, 0 when there are only warnings.\n",
     runCheck},
    {"render", "[--kind symbol|linetype] FILE (--entry NAME|#N -o OUT.png | --all DIR) [--scale K]",
     "Draws an entry as the editor shows it right after loading it: the cleared drawing area,\n"
     "the grid, the entities in their colours and, for symbols, the origin marker, nothing\n"
     "selected. --entry picks the entry by name or by number (#1 is the first); --all DIR\n"
     "writes one picture per entry, named by number and name (007-Tree.png). --scale K\n"
     "enlarges every pixel to K x K (1 to 10, default 1). Pictures are PNG files.\n",
     runRender},
    {"diff", "[--kind symbol|linetype] [--json | --html OUT.html] A B",
     "Compares two libraries of one kind entry by entry, in A's order: entries only in A or\n"
     "only in B, renamed (the same drawing under another name) and changed (header fields,\n"
     "and entities added, removed, moved or recoloured). Entries are matched by name; the\n"
     "order of the entries and of an entry's entities is not compared. --json prints one\n"
     "JSON object; --html writes a page that shows each differing entry's picture in A and\n"
     "in B side by side. Exits with 0 when the libraries are equal, 1 when they differ.\n",
     runDiff},
    {"export", "[--kind symbol|linetype] FILE (--entry NAME|#N -o OUT.svg | --all DIR) [--scale K]",
     "Writes an entry as an SVG drawing with one element per entity: lines as <line>, arcs as\n"
     "<path> along the circle the editor draws, in the palette's colours (black while the\n"
     "entry's \"Use colors\" is off), on no background. It needs nothing else to show. --entry\n"
     "picks the entry by name or by number (#1 is the first); --all DIR writes one drawing per\n"
     "entry, named by number and name (007-Tree.svg). --scale K makes the drawing K times\n"
     "310 pixels wide (1 to 10, default 1).\n",
     runExport},
    {"versions", "[--kind symbol|linetype] FILE",
     "Lists the earlier versions the editor keeps of the library, newest first: the time each\n"
     "was saved, its size, its entry count and the file that holds it. Every save in the\n"
     "editor keeps the file it replaces, the last 20 per library, in the program's data folder\n"
     "(GLYPHWRIGHT_DATA_DIR when set).\n",
     runVersions},
    {"transform",
     "[--kind symbol|linetype] IN OUT (--mirror-x | --mirror-y | --rotate 90|180|270 | "
     "--scale F) [--entry NAME|#N]",
     "Mirrors, turns or scales the drawings of a library, as the editor's Edit > Transform\n"
     "does, and writes the library to OUT in the current layout; OUT is replaced only once the\n"
     "whole library has been written. Without --entry every entry is transformed; --entry\n"
     "picks one by name or by number (#1 is the first). A symbol turns about its origin, a\n"
     "line type about the middle of its base line.\n"
     "  --mirror-x           mirror left to right\n"
     "  --mirror-y           mirror top to bottom\n"
     "  --rotate 90|180|270  turn counter-clockwise as seen on screen, by that many degrees\n"
     "  --scale F            scale by F, 0.1 to 10 (\".\" as the decimal sign)\n"
     "End points are rounded to whole pixels (halves to even); arcs keep their shape and side.\n"
     "An entry whose drawing would leave the drawing area, or whose line or arc would shrink\n"
     "to a point, is left unchanged and named on stderr; the exit code is then 1.\n",
     runTransform},
    {"preview",
     "[--kind symbol|linetype] FILE (--entry NAME|#N -o OUT.png | --all DIR) [--size WxH]",
     "Draws an entry as it will look on the map, smoothed, with lines one pixel wide. A line\n"
     "type runs along test paths: a straight line, a zigzag with 90 and 45 degree corners, a\n"
     "gentle and a tight curve, a closed ring and a path shorter than one repeat; one repeat\n"
     "is the drawing area's width, its base line the line between the index marks. A symbol\n"
     "stands at sizes from the drawing area's down to a few pixels, on white and on a\n"
     "map-like ground. --entry and --all as for render; --size WxH sets the picture's size\n"
     "(each side 32 to 4096, default 560x420).\n",
     runPreview},
    {"catalogue", "[--kind symbol|linetype] FILE -o OUT.pdf|OUT.html [--columns N]",
     "Writes a catalogue of every entry with its picture, number and name, line types also\n"
     "repeated along a straight line: an A4 PDF file whose pages each carry the library's\n"
     "name, the date, the entry count and the page number, or, for a name ending in .html,\n"
     "one page for a browser. --columns N sets the pictures in a row (1 to 8, default 4).\n",
     runCatalogue},
};

}  // namespace

std::span<const Command> commandTable() {
    return Commands;
}

std::string_view kindHelp() {
    return KindHelp;
}
