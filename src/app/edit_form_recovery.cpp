// The File menu's commands for work the editor keeps on its own: the unsaved work of editors
// that did not close normally, and the earlier versions of the library.

#include "app/edit_form.h"
#include "app/numbered_text.h"
#include "app/recovery_commands.h"
#include "app/version_commands.h"

namespace {

constexpr int RecoverCaptionString = 256;
constexpr int RecoverHintString = 264;
constexpr int VersionsCaptionString = 265;
constexpr int VersionsHintString = 266;

}  // namespace

void TEditForm::addRecoveryCommands() {
    QMenu& file = *commands_.MainMenu_File;
    // After Save As, in a group of their own before Exit.
    QAction* exitSeparator =
        file.actions().value(file.actions().indexOf(commands_.action(Command::LibMenu_Exit)) - 1);
    const auto add = [&](const char* name, void (*handler)(TEditForm&)) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        file.insertAction(exitSeparator, action);
        connect(action, &QAction::triggered, this,
                [this, handler] { runHandler([this, handler](EditContext&) { handler(*this); }); });
        return action;
    };
    file.insertSeparator(exitSeparator);
    LibMenu_Recover = add("LibMenu_Recover", LibMenu_RecoverClick);
    LibMenu_Versions = add("LibMenu_Versions", LibMenu_VersionsClick);
    // Only a library with a file has versions.
    connect(&file, &QMenu::aboutToShow, this,
            [this] { LibMenu_Versions->setEnabled(!state_.library.libraryFileName.empty()); });
}

void TEditForm::setRecoveryCommandTexts() {
    const auto text = [this](int number) { return numberedText(strings_, number); };
    LibMenu_Recover->setText(text(RecoverCaptionString));
    LibMenu_Recover->setStatusTip(text(RecoverHintString));
    LibMenu_Versions->setText(text(VersionsCaptionString));
    LibMenu_Versions->setStatusTip(text(VersionsHintString));
}
