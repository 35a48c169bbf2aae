#include "editing/transform_commands.h"

#include <array>

#include "editing/selection.h"
#include "editing/undo.h"

namespace {

constexpr int WarningCaptionString = 106;
constexpr int LeavesAreaString = 218;
constexpr int CollapsesString = 219;

void refuse(EditContext& ctx, TransformRefusal refusal) {
    const int text = refusal == TransformRefusal::LeavesArea ? LeavesAreaString : CollapsesString;
    ctx.ui.showMessage(ctx.strings.loadText(text), ctx.strings.loadText(WarningCaptionString),
                       MessageIcon::Warning, MessageButtons::Ok);
}

}  // namespace

void EditMenu_Transform_Click(EditContext& ctx, const Transform& transform) {
    EditorState& s = ctx.state;
    WorkingCopy& work = s.work;
    ctx.ui.setStatusText(0, "");

    // The entity numbers to transform, and their images side by side.
    std::array<int32_t, MaxEntities> targets{};
    std::array<Entity, MaxEntities> images{};
    size_t count = 0;
    for (int i = 1; i <= selectedCount(s.selection); ++i) {
        const int32_t index = selectedItem(s.selection, i);
        if (index >= 1 && index <= work.workEntityCount) {
            targets[count++] = index;
        }
    }
    if (count == 0) {
        for (int32_t index = 1; index <= work.workEntityCount; ++index) {
            targets[count++] = index;
        }
    }
    if (count == 0) {
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        images[i] = work.workEntities[targets[i] - 1];
    }
    const TransformOutcome outcome =
        TransformEntities(std::span(images.data(), count), transform,
                          TransformCentre(s.library.libraryKind, work.workEntry));
    if (outcome.refusal != TransformRefusal::None) {
        refuse(ctx, outcome.refusal);
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        if (images[i] != work.workEntities[targets[i] - 1]) {
            setEntity(ctx, targets[i], images[i]);
        }
    }
    s.library.entryModified = true;
    ctx.ui.invalidateDrawing();
}
