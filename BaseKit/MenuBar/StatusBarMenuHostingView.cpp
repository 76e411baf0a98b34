#include "BaseKit/MenuBar/StatusBarMenuHostingView.h"

#include <QVBoxLayout>

namespace BaseKit {

StatusBarMenuHostingView::StatusBarMenuHostingView(QWidget* rootView, QWidget* parent)
    : QWidget(parent)
    , m_rootView(rootView)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (rootView)
        layout->addWidget(rootView);
}

void StatusBarMenuHostingView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (QWidget* top = window(); top && top != this && top->isVisible())
        top->activateWindow();
}

} // namespace BaseKit
