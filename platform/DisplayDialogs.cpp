// The font dialog with its size limits and without effects, and the colour dialog.
#include "platform/DisplayDialogs.h"

#include "platform/DialogPlacement.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>

namespace platform {

namespace {

constexpr int smallestSize = 6;
constexpr int largestSize = 32;
constexpr int sampleMargin = 8;

class LimitedFontDialog : public QFontDialog {
public:
    explicit LimitedFontDialog(QWidget *owner)
        : QFontDialog(owner) {
        setObjectName(QStringLiteral("FontDialog1"));
        setOption(QFontDialog::DontUseNativeDialog);
        hideEffects();
        listAcceptedSizesOnly();
        placeLikeCommonDialog(this);
    }

    void done(int result) override {
        const int size = currentFont().pointSize();
        if (result == QDialog::Accepted && (size < smallestSize || size > largestSize)) {
            showMessageBox(this,
                           QCoreApplication::translate("DisplayDialogs",
                                                       "Size must be between %1 and %2 points.")
                               .arg(smallestSize)
                               .arg(largestSize),
                           MessageKind::Warning, Ok);
            return;
        }
        QFontDialog::done(result);
    }

private:
    // The toolkit lists sizes up to 72 points, which the dialog would then refuse: only the
    // sizes it accepts are shown. The list is filled anew for every face and style chosen.
    void listAcceptedSizesOnly() {
        // The face, style and size lists, in the order the toolkit makes them.
        const auto lists = findChildren<QListView *>(Qt::FindDirectChildrenOnly);
        if (lists.size() != 3)
            return;
        QListView *sizes = lists.at(2);
        const auto hideRefused = [sizes] {
            const QAbstractItemModel *model = sizes->model();
            for (int row = 0; row < model->rowCount(); ++row) {
                bool isNumber = false;
                const int size = model->index(row, 0).data().toString().toInt(&isNumber);
                sizes->setRowHidden(row, !isNumber || size < smallestSize || size > largestSize);
            }
        };
        connect(sizes->model(), &QAbstractItemModel::modelReset, sizes, hideRefused);
        hideRefused();
    }

    // Underline and strike-out are never chosen by the user. The sample beside the effects
    // took its height from them, so it is given room for the largest size of its own.
    void hideEffects() {
        for (QGroupBox *group : findChildren<QGroupBox *>()) {
            if (!group->findChildren<QCheckBox *>().isEmpty())
                group->hide();
        }
        if (auto *sample = findChild<QLineEdit *>(QStringLiteral("qt_fontDialog_sampleEdit"))) {
            QFont largest = sample->font();
            largest.setPointSize(largestSize);
            sample->setMinimumHeight(QFontMetrics(largest).height() + sampleMargin);
        }
    }
};

} // namespace

// A face the font system lacks ("Fixedsys") is not in the dialog's list, so the dialog opens
// on the face that stands in for it; left as it is, the face keeps its own name. The dialog is
// told the style by the name the face gives it ("Book", "Regular"), since it cannot match a
// plain style otherwise and would open on another one.
QFont chooseFont(QWidget *owner, const QFont &start) {
    const QFontInfo actual(start);
    const QString shownFamily = actual.family();
    QFont shown = start;
    shown.setFamily(shownFamily);
    shown.setStyleName(actual.styleName());
    LimitedFontDialog dialog(owner);
    dialog.setCurrentFont(shown);
    if (dialog.exec() != QDialog::Accepted)
        return start;
    const QFont chosen = dialog.selectedFont();
    QFont font = start;
    if (chosen.family() != shownFamily)
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
