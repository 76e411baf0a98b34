#include "Kestrion/App/SceneWindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QLayout>
#include <QVBoxLayout>

namespace Kestrion {

SceneWindow::SceneWindow(const QString& identifier, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(identifier);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QApplication::applicationDisplayName());
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);

    // Esc and Ctrl+W close it, as they close a secondary window elsewhere on the desktop.
    m_closeAction = new QAction(this);
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)}) {
        if (!keys.contains(key))
            keys.append(key);
    }
    m_closeAction->setShortcuts(keys);
    m_closeAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(m_closeAction);
    // The keys pressed in a list dropped down from one of its controls pass here first (below).
    qApp->installEventFilter(this);
}

bool SceneWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Esc in an open drop-down list is the list's: the window's shortcut must not take it, or the
    // key that closes the list would close the window as well. Claiming the key keeps the shortcut
    // out; the list still sees it and closes, and the next Esc reaches the window.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel)
        && ownsPopup())
        event->accept();
    return QWidget::eventFilter(watched, event);
}

bool SceneWindow::ownsPopup() const
{
    const QWidget* popup = QApplication::activePopupWidget();
    for (const QWidget* owner = popup ? popup->parentWidget() : nullptr; owner; owner = owner->parentWidget()) {
        if (owner == this)
            return true;
    }
    return false;
}

void SceneWindow::setContent(QWidget* content, bool fixedSize)
{
    if (m_content) {
        m_layout->removeWidget(m_content);
        m_content->deleteLater();
    }
    m_content = content;
    if (!content)
        return;
    content->setParent(this);
    m_layout->addWidget(content);
    m_layout->setSizeConstraint(fixedSize ? QLayout::SetFixedSize : QLayout::SetDefaultConstraint);
}

void SceneWindow::showEvent(QShowEvent* event)
{
    if (m_centered && !m_placed) {
        m_placed = true;
        adjustSize();
        if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(0, 0), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

} // namespace Kestrion
