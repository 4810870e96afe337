// Bare Qt windows to hold the main window's start-up against: a QMainWindow with a
// QPlainTextEdit, one that also carries the same menus, tool bar (with the same pictures) and
// status bar as plain Qt widgets, and one whose editor besides looks like the program's.
#pragma once

#include <QMainWindow>
#include <QPlainTextEdit>
#include <memory>

enum class BareKind { Plain, WithBars, WithBarsAndLook };

struct BareWindow {
    std::unique_ptr<QMainWindow> window;
    QPlainTextEdit *editor;
};

// Built, sized as the main window starts, not yet shown.
BareWindow makeBareWindow(BareKind kind);
