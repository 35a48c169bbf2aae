#include "editing/entity_limit.h"

#include <string>

namespace {
constexpr int LimitReachedString = 35;
constexpr int WarningCaptionString = 106;
}  // namespace

void ShowEntityLimitMessage(EditContext& ctx) {
    const std::string text =
        ctx.strings.loadText(LimitReachedString) + "(" + std::to_string(MaxEntities) + ")";
    ctx.ui.showMessage(text, ctx.strings.loadText(WarningCaptionString), MessageIcon::Warning,
                       MessageButtons::Ok);
}
