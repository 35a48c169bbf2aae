#include "platform/headless_ports.h"

MessageAnswer HeadlessEditorUi::showMessage(const std::string&, const std::string&, MessageIcon,
                                            MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
        case MessageButtons::Ok:
            break;
    }
    return MessageAnswer::Ok;
}

int HeadlessEditorUi::showChoice(const std::string&, const std::string&,
                                 const std::vector<std::string>& buttons) {
    return static_cast<int>(buttons.size()) - 1;  // the box closed: the last choice
}
