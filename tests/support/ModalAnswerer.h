// Test helper: answers the modal widgets that a command opens, one queued answer each,
// in the order they appear, and remembers what each message box said.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QWidget *modal)>;

    ModalAnswerer();
    ~ModalAnswerer() override;

    // Queues an answer for the next modal widget that becomes active.
    ModalAnswerer &then(Answer answer);
    // Queues a click on the button with this objectName (for example "msg_Yes", "cmd_OK").
    ModalAnswerer &press(const QString &buttonName);
    // Queues a key press (Enter, Escape, ...) sent to the modal widget's focus widget.
    ModalAnswerer &key(int qtKey);
    // Queues closing the modal widget by its frame.
    ModalAnswerer &closeFrame();

    // True when every queued answer has been used.
    bool done() const { return m_answers.isEmpty(); }
    int answered() const { return m_texts.size(); }
    // The "msg_Text" of each message box answered so far (empty for other widgets),
    // and the window titles, in order.
    const QStringList &texts() const { return m_texts; }
    const QStringList &titles() const { return m_titles; }

private:
    void poll();

    QList<Answer> m_answers;
    QStringList m_texts;
    QStringList m_titles;
    QPointer<QWidget> m_lastAnswered;
    QTimer m_timer;
};
