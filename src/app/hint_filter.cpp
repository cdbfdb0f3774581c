#include "app/hint_filter.h"

#include <QEvent>
#include <QWidget>

namespace grim::app {

HintFilter::HintFilter(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("hintFilter"));
}

void HintFilter::watch(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_Hover);
    widget->installEventFilter(this);
}

bool HintFilter::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    // An enabled widget reports its mouse moves; a disabled one only its hover moves.
    const bool disabled = watched->isWidgetType() && !static_cast<QWidget*>(watched)->isEnabled();
    if (type == QEvent::MouseMove || (disabled && (type == QEvent::HoverMove || type == QEvent::HoverEnter)))
        emit pointerOver(watched->objectName());
    return false;
}

} // namespace grim::app
