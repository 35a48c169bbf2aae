#include "editing/default_library_offer.h"

namespace {

constexpr int SetAsSystemLibraryText = 102;
constexpr int ConfirmCaption = 105;
constexpr int WarningCaption = 106;
constexpr int NoHostSettingsText = 130;
constexpr int NotRecordedText = 131;
constexpr int FailedToSetDataText = 171;

// The numbered text of each failure: %1 is the key or file, %2 the system's reason.
int failureText(SettingsFailure failure) {
    switch (failure) {
        case SettingsFailure::None:
        case SettingsFailure::NoKeyOpen:
            return 172;
        case SettingsFailure::KeyOnlyForMachine:
            return 173;
        case SettingsFailure::KeyReadOnly:
            return 174;
        case SettingsFailure::InvalidName:
            return 175;
        case SettingsFailure::FileUnreadable:
            return 176;
        case SettingsFailure::FileNotRegular:
            return 177;
        case SettingsFailure::FileTooLarge:
            return 178;
        case SettingsFailure::FileDamaged:
            return 179;
        case SettingsFailure::ValueNotOneLine:
            return 180;
        case SettingsFailure::FileReadOnly:
            return 181;
        case SettingsFailure::FileNotWritten:
            return 182;
    }
    return 172;
}

}  // namespace

std::string failedWriteText(const SettingsWrite& write, const StringSource& strings) {
    return formattedText(strings, FailedToSetDataText, {write.name}) + "\n" +
           formattedText(strings, failureText(write.failure), {write.subject, write.detail});
}

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
        warning = strings.loadText(NotRecordedText) + "\n" + failedWriteText(result.write, strings);
    }
    if (!warning.empty()) {
        ui.showMessage(warning, strings.loadText(WarningCaption), MessageIcon::Warning,
                       MessageButtons::Ok);
    }
    return result;
}
