// A main window shown and active for a widget test, with its controls found by objectName.
#pragma once

#include "editor/text/TextEditor.h"
#include "editor/window/MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QToolButton>

class WindowUnderTest {
public:
    WindowUnderTest() {
        m_window.show();
        m_window.activateWindow();
    }

    // False when the window never became active (shortcuts need an active window).
    bool ready() { return QTest::qWaitForWindowActive(&m_window); }

    MainWindow &window() { return m_window; }
    TextEditor *editor() { return find<TextEditor>("txt_SPad"); }
    QAction *action(const char *name) { return find<QAction>(name); }
    QToolButton *button(const char *name) { return find<QToolButton>(name); }
    QString sizeCaption() { return find<QLabel>("pan_Bytes")->text(); }
    QString textType() { return find<QLabel>("pan_TextType")->text(); }
    std::string bytes() { return editor()->bytes(); }

    template <class T> T *find(const char *name) {
        auto *child = m_window.findChild<T *>(QLatin1String(name));
        if (child == nullptr)
            qFatal("no %s in the main window", name);
        return child;
    }

private:
    MainWindow m_window;
};
