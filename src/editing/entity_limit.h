#pragma once

#include "editing/edit_context.h"

// The warning shown when an entity would go beyond the 250 an entry can hold: string 35 with
// "(250)" appended.
void ShowEntityLimitMessage(EditContext& ctx);
