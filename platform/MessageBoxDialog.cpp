// The message box dialog: layout, fixed button order and the keyboard and frame answers.
#include "platform/MessageBoxDialog.h"

#include "platform/Accessibility.h"
#include "platform/DialogFrame.h"
#include "platform/DialogPlacement.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace platform {

namespace {

struct ButtonInfo {
    MessageButton button;
    const char *caption;
    const char *name;
};

// Left to right, whichever of them a box has.
constexpr std::array<ButtonInfo, 5> buttonOrder{{
    {Yes, QT_TRANSLATE_NOOP("MessageBox", "&Yes"), "msg_Yes"},
    {No, QT_TRANSLATE_NOOP("MessageBox", "&No"), "msg_No"},
    {Ok, QT_TRANSLATE_NOOP("MessageBox", "OK"), "msg_OK"},
    {Cancel, QT_TRANSLATE_NOOP("MessageBox", "Cancel"), "msg_Cancel"},
    {Retry, QT_TRANSLATE_NOOP("MessageBox", "&Retry"), "msg_Retry"},
}};

MessageButton firstPresent(MessageButtons buttons, std::initializer_list<MessageButton> order,
                           MessageButton fallback) {
    for (MessageButton b : order) {
        if (buttons & b)
            return b;
    }
    return fallback;
}

// The widest a run of text without a blank may be before it is broken.
constexpr int widestUnbrokenRun = 480;

// A run of characters too wide for the box (a long file name) may break anywhere, as it
// does in the platform's own box, so the box never runs off the screen: a zero-width break
// opportunity goes in wherever the run would grow too wide.
QString breakable(const QString &text, const QFontMetrics &metrics) {
    constexpr QChar breakOpportunity(0x200B);
    QString result;
    result.reserve(text.size());
    int run = 0;
    for (const QChar c : text) {
        const int width = c.isSpace() ? 0 : metrics.horizontalAdvance(c);
        run = c.isSpace() ? 0 : run + width;
        if (run > widestUnbrokenRun) {
            result += breakOpportunity;
            run = width;
        }
        result += c;
    }
    return result;
}

MessageButton enterButton(MessageButtons buttons) {
    return firstPresent(buttons, {Ok, Yes, Retry}, MessageButton(0));
}

MessageButton escapeButton(MessageButtons buttons) {
    return firstPresent(buttons, {Cancel, No, Ok}, MessageButton(0));
}

// A question answered Yes or No has no way out but its answers: its frame offers no close
// button, and a close request that reaches it all the same (Alt+F4, the window manager)
// answers No. Every other box closed by its frame answers Cancel.
bool isYesNoQuestion(MessageButtons buttons) {
    return (buttons & No) && !(buttons & Cancel);
}

// The title and, unless the box is a Yes/No question, the close button: no system menu, no
// minimise or maximise.
Qt::WindowFlags frameOf(MessageButtons buttons) {
    return dialogFrame(isYesNoQuestion(buttons) ? TitleBar::TitleOnly : TitleBar::CloseButton);
}

} // namespace

MessageBoxDialog::MessageBoxDialog(QWidget *parent, const QString &title, const QString &text,
                                   QStyle::StandardPixmap icon, MessageButtons buttons)
    : QDialog(parent, frameOf(buttons))
    , m_buttons(buttons) {
    setObjectName(QStringLiteral("MessageBox"));
    presentAsAlert(this, text);
    setWindowTitle(title);
    setModal(true);

    auto *iconLabel = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    iconLabel->setPixmap(style()->standardIcon(icon, nullptr, this).pixmap(size, size));
    iconLabel->setAlignment(Qt::AlignTop);

    // A carriage return breaks the line, as it did in the boxes of the original platform.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto *textLabel = new QLabel(this);
    textLabel->setText(breakable(shown, textLabel->fontMetrics()));
    textLabel->setObjectName(QStringLiteral("msg_Text"));
    textLabel->setTextFormat(Qt::PlainText);
    textLabel->setWordWrap(text.size() > 60);
    textLabel->setMinimumWidth(textLabel->wordWrap() ? 360 : 0);
    textLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    textLabel->setAccessibleName(text);

    auto *top = new QHBoxLayout;
    top->addWidget(iconLabel);
    top->addSpacing(12);
    top->addWidget(textLabel, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setLayout(layout);
    addButtons(buttons);
}

void MessageBoxDialog::addButtons(MessageButtons buttons) {
    auto *row = new QHBoxLayout;
    row->addStretch();
    QPushButton *focus = nullptr;
    for (const ButtonInfo &info : buttonOrder) {
        if (!(buttons & info.button))
            continue;
        auto *button =
            new QPushButton(QCoreApplication::translate("MessageBox", info.caption), this);
        button->setObjectName(QString::fromLatin1(info.name));
        button->setMinimumWidth(75);
        const MessageButton which = info.button;
        connect(button, &QPushButton::clicked, this, [this, which] { answer(which); });
        row->addWidget(button);
        if (which == enterButton(buttons) || !focus) {
            focus = button;
        }
    }
    row->addStretch();
    static_cast<QVBoxLayout *>(layout())->addLayout(row);
    if (focus) {
        focus->setDefault(true);
        focus->setFocus();
    }
}

MessageButton MessageBoxDialog::ask() {
    exec();
    return m_answer;
}

void MessageBoxDialog::answer(MessageButton button) {
    m_answer = button;
    done(button == Cancel || button == No ? QDialog::Rejected : QDialog::Accepted);
}

void MessageBoxDialog::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (const MessageButton b = escapeButton(m_buttons))
            answer(b);
        return;
    }
    QDialog::keyPressEvent(event);
}

// Every other way of dismissing the box (the frame's close button, the window manager's
// close) answers Cancel, whether or not the box shows that button; a Yes/No question answers No.
void MessageBoxDialog::reject() {
    answer(isYesNoQuestion(m_buttons) ? No : Cancel);
}

void MessageBoxDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
}

} // namespace platform
