#include "ViewKit/TransparentWindowView.h"

#include <QEvent>

namespace ViewKit {

TransparentWindowView::TransparentWindowView(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (parent)
        clearWindowBackground();
}

bool TransparentWindowView::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange && parentWidget())
        clearWindowBackground();
    return QWidget::event(event);
}

void TransparentWindowView::clearWindowBackground()
{
    QWidget* window = this->window();
    if (!window || window == this)
        return;
    if (!window->testAttribute(Qt::WA_WState_Created))
        window->setAttribute(Qt::WA_TranslucentBackground);
    window->setAutoFillBackground(false);
}

} // namespace ViewKit
