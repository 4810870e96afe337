// Answers modal widgets for the widget tests. Each answer runs from a fresh zero-time timer,
// so a modal box that the answer itself opens can be answered in turn, and only while its
// widget is still the one waiting.
#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>

ModalAnswerer::ModalAnswerer() {
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start(5);
}

ModalAnswerer::~ModalAnswerer() = default;

ModalAnswerer &ModalAnswerer::then(Answer answer) {
    m_answers.append(std::move(answer));
    return *this;
}

ModalAnswerer &ModalAnswerer::press(const QString &buttonName) {
    return then([buttonName](QWidget *modal) {
        auto *button = modal->findChild<QAbstractButton *>(buttonName);
        if (!button) {
            qWarning("ModalAnswerer: no button %s in %s", qPrintable(buttonName),
                     qPrintable(modal->objectName()));
            modal->close();
            return;
        }
        button->click();
    });
}

ModalAnswerer &ModalAnswerer::key(int qtKey) {
    return then([qtKey](QWidget *modal) {
        QWidget *target = modal->focusWidget() ? modal->focusWidget() : modal;
        QTest::keyClick(target, Qt::Key(qtKey));
    });
}

ModalAnswerer &ModalAnswerer::closeFrame() {
    return then([](QWidget *modal) { modal->close(); });
}

void ModalAnswerer::poll() {
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == m_lastAnswered || m_answers.isEmpty() || !modal->isVisible())
        return;
    m_lastAnswered = modal;
    QPointer<QWidget> target = modal;
    QTimer::singleShot(0, this, [this, target] {
        // A widget that ended before its turn (a dialog closing right after a box it had opened
        // was answered) takes no answer: the answer waits for the next widget.
        if (!target || !target->isVisible() || QApplication::activeModalWidget() != target ||
            m_answers.isEmpty()) {
            if (m_lastAnswered == target)
                m_lastAnswered = nullptr;
            return;
        }
        const auto *text = target->findChild<QLabel *>(QStringLiteral("msg_Text"));
        m_texts.append(text ? text->text() : QString());
        m_titles.append(target->windowTitle());
        Answer answer = m_answers.takeFirst();
        answer(target);
        // The same dialog may be shown again: once this showing has ended, or another
        // modal widget has been answered meanwhile, it counts as new again.
        if (!target || !target->isVisible() || m_lastAnswered != target)
            m_lastAnswered = nullptr;
    });
}
