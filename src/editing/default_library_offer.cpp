#include "editing/default_library_offer.h"

namespace {

constexpr int SetAsSystemLibraryText = 102;
constexpr int ConfirmCaption = 105;
constexpr int WarningCaption = 106;
constexpr int NoHostSettingsText = 130;
constexpr int NotRecordedText = 131;

}  // namespace

DefaultLibraryResult offerAsDefaultLibrary(SettingsStore& settings, LibraryKind kind,
                                           const std::string& fileName, EditorUi& ui,
                                           const StringSource& strings) {
    const DefaultLibraryResult result = offerAsDefaultLibrary(settings, kind, fileName, [&] {
        return ui.showMessage(strings.loadText(SetAsSystemLibraryText),
                              strings.loadText(ConfirmCaption), MessageIcon::Question,
                              MessageButtons::YesNo) == MessageAnswer::Yes;
    });
    std::string warning;
    if (result.outcome == DefaultLibraryOutcome::NoHostSettings) {
        warning = strings.loadText(NoHostSettingsText);
    } else if (result.outcome == DefaultLibraryOutcome::WriteFailed) {
        warning = strings.loadText(NotRecordedText) + "\n" + result.error;
    }
    if (!warning.empty()) {
        ui.showMessage(warning, strings.loadText(WarningCaption), MessageIcon::Warning,
                       MessageButtons::Ok);
    }
    return result;
}
