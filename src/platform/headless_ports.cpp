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
