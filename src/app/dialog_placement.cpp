#include "app/dialog_placement.h"

QPoint centredOver(const QRect& ownerFrame, const QSize& dialogSize) {
    return {ownerFrame.left() + (ownerFrame.width() - dialogSize.width()) / 2,
            ownerFrame.top() + (ownerFrame.height() - dialogSize.height()) / 2};
}

void placeCentredOver(QWidget& dialog, const QWidget& owner) {
    QSize dialogFrame = dialog.frameGeometry().size();
    if (dialogFrame == dialog.size()) {
        // Until the window system has framed the dialog once, its frame is unknown; the
        // owner's borders and caption are the best guess for it.
        dialogFrame += owner.frameGeometry().size() - owner.size();
    }
    dialog.move(centredOver(owner.frameGeometry(), dialogFrame));
}
