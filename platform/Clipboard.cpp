// Marking copied text secret, and taking it back at shutdown. The program's own mark tells its
// text from another program's, which may carry the secret hint too (a password manager's).
#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform {

namespace {

const QString ownTextType = QStringLiteral("application/x-shroud-a-pad-plain-text");

} // namespace

QMimeData *clipboardData(const QString &text, bool armoured) {
    auto *data = new QMimeData;
    data->setText(text);
    if (!armoured) {
        data->setData(QString::fromLatin1(secretHintType), secretHintValue);
        data->setData(ownTextType, QByteArrayLiteral("1"));
    }
    return data;
}

void clearOwnPlainText() {
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QMimeData *held = clipboard->mimeData();
    if (held != nullptr && held->hasFormat(ownTextType))
        clipboard->clear();
}

} // namespace platform
