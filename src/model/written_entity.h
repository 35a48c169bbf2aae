#pragma once

#include "model/entity.h"

// An entity as reading its written line gives it back: end points, and an arc's centre, in
// whole file units, and the arcFlag the writer puts into the file.
//
// Rounding an arc's centre and end points to whole file units can move the centre across the
// chord, or onto it, where the same flag means the other arc. So the flag written is the one
// whose arc, drawn as read back, has its middle nearer to the middle of the arc drawn before;
// on a tie the flag stays as it was. An arc already in whole file units (every arc read from
// a file) keeps its flag.
Entity entityAsWritten(const Entity& entity);
