// The frame that the program's dialogs ask of the window manager: a title bar and never a
// minimise or maximise button.
#pragma once

#include <Qt>

namespace platform {

// What the title bar holds besides the title.
enum class TitleBar {
    TitleOnly,         // the dialog is left only through its own buttons
    CloseButton,       // the close button, without the window menu
    MenuAndCloseButton // the window menu and the close button
};

// Whether the user may resize the dialog; a fixed one takes the size its contents need.
enum class Border { Fixed, Sizeable };

constexpr Qt::WindowFlags dialogFrame(TitleBar titleBar, Border border = Border::Fixed) {
    Qt::WindowFlags frame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (border == Border::Fixed)
        frame |= Qt::MSWindowsFixedSizeDialogHint;
    if (titleBar == TitleBar::MenuAndCloseButton)
        frame |= Qt::WindowSystemMenuHint;
    if (titleBar != TitleBar::TitleOnly)
        frame |= Qt::WindowCloseButtonHint;
    return frame;
}

} // namespace platform
