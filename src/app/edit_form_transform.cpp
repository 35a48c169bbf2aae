// The main window's Transform commands (Edit > Transform and the drawing's popup menu) and the
// popup menu itself, which the right button opens in Select mode: in the drawing tools the
// right button starts a new chain.

#include <QContextMenuEvent>

#include "app/auto_size_form.h"
#include "app/edit_form.h"
#include "app/scale_dialog.h"
#include "editing/transform_commands.h"

ScaleDialog& TEditForm::scaleDialog() {
    if (scaleDialog_ == nullptr) {
        scaleDialog_ = new ScaleDialog(*this, strings_);
        applyFontSizeAdjustment(*scaleDialog_, options_.fontSizeAdjustment);
    }
    return *scaleDialog_;
}

void TEditForm::connectTransformHandlers() {
    using C = Command;
    using K = TransformKind;
    for (const auto& [command, kind] : {std::pair{C::EditMenu_MirrorLeftRight, K::MirrorLeftRight},
                                        std::pair{C::EditMenu_MirrorUpDown, K::MirrorUpDown},
                                        std::pair{C::EditMenu_RotateLeft, K::RotateLeft},
                                        std::pair{C::EditMenu_RotateRight, K::RotateRight},
                                        std::pair{C::EditMenu_Rotate180, K::Rotate180}}) {
        connectCommand(
            command, [kind](EditContext& ctx) { EditMenu_Transform_Click(ctx, Transform{kind}); });
    }
    connect(commands_.action(C::EditMenu_Scale), &QAction::triggered, this, [this] {
        if (const std::optional<double> factor = scaleDialog().ask()) {
            runHandler([factor](EditContext& ctx) {
                EditMenu_Transform_Click(ctx, Transform{TransformKind::Scale, *factor});
            });
        }
    });
    connect(widgets_.symBox, &SymBox::contextMenuRequested, this, [this](QContextMenuEvent* e) {
        if (loaded_ && state_.pointerState == PointerState::SelectIdle) {
            commands_.mnuPopup->popup(e->globalPos());
        }
    });
}
