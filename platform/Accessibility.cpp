// The accessible interfaces of hidden decorations and of alerts, made by one interface factory
// for the widgets that are marked for them.
#include "platform/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace platform {

namespace {

// The mark on a widget, and the message of an alert.
constexpr const char *presentationProperty = "platform_accessiblePresentation";
constexpr const char *messageProperty = "platform_accessibleMessage";
constexpr const char *hidden = "hidden";
constexpr const char *alert = "alert";

class HiddenDecoration : public QAccessibleWidget {
public:
    explicit HiddenDecoration(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::StaticText) {}

    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

class Alert : public QAccessibleWidget {
public:
    explicit Alert(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value || kind == QAccessible::Description)
            return widget()->property(messageProperty).toString();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *markedWidgets(const QString &, QObject *object) {
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget == nullptr)
        return nullptr;
    const QByteArray presentation = widget->property(presentationProperty).toByteArray();
    if (presentation == hidden)
        return new HiddenDecoration(widget);
    if (presentation == alert)
        return new Alert(widget);
    return nullptr;
}

void mark(QWidget *widget, const char *presentation) {
    static const bool installed = [] {
        QAccessible::installFactory(markedWidgets);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(presentationProperty, QByteArray(presentation));
    // An interface made before the mark (the toolkit makes one as a widget gets its text, to
    // report the change) is dropped, so that the next request makes the marked one.
    if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace

void hideFromAssistiveTools(QWidget *widget) {
    mark(widget, hidden);
}

void presentAsAlert(QWidget *window, const QString &message) {
    mark(window, alert);
    window->setProperty(messageProperty, message);
}

} // namespace platform
