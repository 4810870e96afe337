// The help viewer window as the program sees it: what the help requests ask of it. The window
// itself is built by the help module; this interface is all the two share, so the module needs
// nothing of the program.
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace platform {

class HelpWindow {
public:
    HelpWindow() = default;
    HelpWindow(const HelpWindow &) = delete;
    HelpWindow &operator=(const HelpWindow &) = delete;
    // Deleting the viewer closes and deletes its window.
    virtual ~HelpWindow() = default;

    // The viewer's window, for what any window does (showing, closing, its place).
    virtual QWidget *widget() = 0;

    // Whether the collection could be read.
    [[nodiscard]] virtual bool isUsable() const = 0;
    virtual QString collectionFile() const = 0;

    // Each shows and raises the window; false when the page cannot be found.
    virtual bool showContents() = 0;
    virtual bool showKeywordSearch() = 0;
    virtual bool showHelpOnHelp() = 0;
    // Runs a viewer macro; only the topic jump JumpID("","name") is known.
    virtual bool runMacro(const QString &macro) = 0;
    // Opens the topic whose index identifier is the context name.
    virtual bool jumpTo(const QString &contextName) = 0;

    // The context name of the topic shown, when it was reached by jumpTo and is still shown.
    virtual QString currentTopic() const = 0;
    virtual QUrl currentPage() const = 0;
};

// The help module's one entry point, exported by the name helpModuleEntry holds: a new viewer
// window that reads the collection file (read-only; isUsable() says whether it could).
using HelpModuleEntry = HelpWindow *(*)(const QString &collectionFile);
inline constexpr char helpModule[] = "shroud-a-pad-help";
inline constexpr char helpModuleEntry[] = "shroud_help_module_entry";

} // namespace platform
