// Test helper: a catalogue that holds every text, each given back with its context in braces
// before it ("{MessageBox}&Yes"), so that a test tells the words that went through translation,
// and under which context, from those that did not.
#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QStringList>
#include <QTranslator>
#include <QWidget>

class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }

    // Qt puts the count in for "%n" after the catalogue has answered.
    QString translate(const char *context, const char *sourceText, const char *,
                      int) const override {
        return QStringLiteral("{%1}%2").arg(QString::fromUtf8(context),
                                            QString::fromUtf8(sourceText));
    }
};

// The texts a window shows that did not come through the catalogue: its title, its labels' and
// its buttons' texts, hidden ones included; empty texts are left out.
inline QStringList unmarkedTexts(const QWidget *window) {
    QStringList shown{window->windowTitle()};
    for (const QLabel *label : window->findChildren<QLabel *>())
        shown << label->text();
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        shown << button->text();
    QStringList unmarked;
    for (const QString &text : shown)
        if (!text.isEmpty() && !text.startsWith(u'{'))
            unmarked << text;
    unmarked.sort();
    return unmarked;
}
