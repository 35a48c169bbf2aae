#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editing/edit_context.h"

// Typed values for the entities and the entry: coordinates and lengths in grid cells, as the
// position read-out shows them (x from the left edge of the area, y up from its bottom edge).
// An edit goes the way the pointer's edits go: setEntity with one Changed step, the drawing
// repainted, the entry modified.

// Cells of a surface coordinate or length, and the nearest surface pixel of a cell value.
double cellsOfX(double x);
double cellsOfY(double y);
double cellsOfLength(double pixels);
int32_t xOfCells(double cells);
int32_t yOfCells(double cells);
// One decimal, '.' as the separator, "-" for minus zero.
std::string cellText(double cells);
// A typed number: blanks around it are ignored and ',' may stand for the decimal point.
std::optional<double> parseTypedNumber(std::string_view text);

enum class EditRefusal { None, NotANumber, OffArea, NoCentre };

enum class EntityField { StartX, StartY, EndX, EndY, CentreX, CentreY, Radius };

// Sets one value of entity `index` (1..workEntityCount). Start and end points of an arc bend
// it through its middle point, as dragging their grips does; its centre moves the whole arc;
// its radius scales it about the centre.
EditRefusal editEntityField(EditContext& ctx, int32_t index, EntityField field,
                            std::string_view text);
// Makes an arc the longer (1) or the shorter (0) of its two arcs, or for halves the one swept
// counter-clockwise (1) or clockwise (0) from its start.
void setArcFlag(EditContext& ctx, int32_t index, uint8_t arcFlag);

enum class EntryField { OriginX, OriginY, SizeRadius };

// Sets the entry's origin or size radius; like dragging them, no undo step.
EditRefusal editEntryField(EditContext& ctx, EntryField field, std::string_view text);
