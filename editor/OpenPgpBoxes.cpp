// The boxes of the window's OpenPGP side.
#include "editor/OpenPgpBoxes.h"

#include "platform/MessageBox.h"

namespace openpgp_boxes {

QString shown(std::string_view words) {
    return QString::fromUtf8(words.data(), qsizetype(words.size()));
}

void refuse(QWidget *owner, std::string_view words) {
    platform::beepAndShowMessageBox(owner, shown(words), platform::MessageKind::Error,
                                    platform::Ok);
}

} // namespace openpgp_boxes
