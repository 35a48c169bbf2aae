#include "editing/default_library_offer.h"

namespace {

constexpr int SetAsSystemLibraryText = 102;
constexpr int ConfirmCaption = 105;
constexpr int WarningCaption = 106;

}  // namespace

DefaultLibraryResult offerAsDefaultLibrary(SettingsStore& settings, LibraryKind kind,
                                           const std::string& fileName, EditorUi& ui,
                                           const StringSource& strings) {
    const DefaultLibraryResult result = offerAsDefaultLibrary(settings, kind, fileName, [&] {
        return ui.showMessage(strings.loadText(SetAsSystemLibraryText),
                              strings.loadText(ConfirmCaption), MessageIcon::Question,
                              MessageButtons::YesNo) == MessageAnswer::Yes;
    });
    if (result.outcome == DefaultLibraryOutcome::WriteFailed) {
        ui.showMessage(result.error, strings.loadText(WarningCaption), MessageIcon::Warning,
                       MessageButtons::Ok);
    }
    return result;
}
