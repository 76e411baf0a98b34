#include "ViewKit/VKSecondaryText.h"

#include "ViewKit/VKTheme.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace ViewKit {

VKSecondaryText::VKSecondaryText(QWidget* widget)
    : QObject(widget)
    , m_widget(widget)
{
    widget->installEventFilter(this);
    apply();
}

void VKSecondaryText::follow(QWidget* widget)
{
    if (!widget || widget->findChild<VKSecondaryText*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    new VKSecondaryText(widget);
}

bool VKSecondaryText::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_widget) {
        switch (event->type()) {
        case QEvent::PaletteChange:
        case QEvent::ParentChange:
        case QEvent::Polish:
            apply();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void VKSecondaryText::apply()
{
    const QWidget* parent = m_widget->parentWidget();
    const QPalette around = parent ? parent->palette() : QApplication::palette();
    const QColor color = VKTheme::secondaryText(VKTheme::scheme(around));
    QPalette own = m_widget->palette();
    if (own.color(QPalette::Active, QPalette::WindowText) == color)
        return;
    own.setColor(QPalette::WindowText, color);
    m_widget->setPalette(own);
}

} // namespace ViewKit
