// The font dialog with its size limits and without effects, and the colour dialog.
#include "platform/DisplayDialogs.h"

#include "platform/DialogPlacement.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGroupBox>

namespace platform {

namespace {

constexpr int smallestSize = 6;
constexpr int largestSize = 32;

class LimitedFontDialog : public QFontDialog {
public:
    explicit LimitedFontDialog(QWidget *owner)
        : QFontDialog(owner) {
        setObjectName(QStringLiteral("FontDialog1"));
        setOption(QFontDialog::DontUseNativeDialog);
        hideEffects();
        placeLikeCommonDialog(this);
    }

    void done(int result) override {
        const int size = currentFont().pointSize();
        if (result == QDialog::Accepted && (size < smallestSize || size > largestSize)) {
            showMessageBox(this,
                           QStringLiteral("Size must be between %1 and %2 points.")
                               .arg(smallestSize)
                               .arg(largestSize),
                           MessageKind::Warning, Ok);
            return;
        }
        QFontDialog::done(result);
    }

private:
    // Underline and strike-out are never chosen by the user.
    void hideEffects() {
        for (QGroupBox *group : findChildren<QGroupBox *>()) {
            if (!group->findChildren<QCheckBox *>().isEmpty())
                group->hide();
        }
    }
};

} // namespace

QFont chooseFont(QWidget *owner, const QFont &start) {
    LimitedFontDialog dialog(owner);
    dialog.setCurrentFont(start);
    if (dialog.exec() != QDialog::Accepted)
        return start;
    const QFont chosen = dialog.selectedFont();
    QFont font = start;
    font.setFamily(chosen.family());
    font.setPointSize(chosen.pointSize());
    font.setBold(chosen.bold());
    font.setItalic(chosen.italic());
    return font;
}

std::optional<QColor> chooseColor(QWidget *owner, const QColor &start) {
    QColorDialog dialog(start, owner);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    placeLikeCommonDialog(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

} // namespace platform
