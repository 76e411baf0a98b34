#include "Kestrion/App/MainWindow.h"

#include "Kestrion/App/ContentView.h"
#include "Kestrion/App/GridScrollArea.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace Kestrion {

MainWindow::MainWindow(ContentView* content, QWidget* parent)
    : QMainWindow(parent)
    , m_content(content)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QApplication::applicationDisplayName());
    setCentralWidget(content);
    connect(content, &ContentView::arrangementChanged, this, &MainWindow::followArrangement);

    // Ctrl+W closes the window as its close button does; the program goes on as closing it says.
    m_closeAction = new QAction(this);
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Close);
    if (!keys.contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
        keys.append(QKeySequence(Qt::CTRL | Qt::Key_W));
    m_closeAction->setShortcuts(keys);
    m_closeAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(m_closeAction);
}

QSize MainWindow::availableArea() const
{
    if (m_availableOverride.isValid())
        return m_availableOverride;
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    return display ? display->availableGeometry().size() : QSize();
}

void MainWindow::setAvailableArea(QSize area)
{
    m_availableOverride = area;
    fitToScreen();
}

void MainWindow::activateLayouts()
{
    // The hints are only whole once the widgets are polished and every layout has let go of the
    // hints it kept from before the cards were placed.
    ensurePolished();
    for (QLayout* inner : findChildren<QLayout*>())
        inner->invalidate();
    // The scroll area asks the grid it holds; the hints kept of it are stale as well.
    m_content->scrollArea()->updateGeometry();
    m_content->updateGeometry();
    if (layout())
        layout()->activate();
}

void MainWindow::fitToScreen()
{
    const QSize area = availableArea();
    if (!area.isValid()) {
        m_content->setRoom(QSize());
        return;
    }
    // Around the content: the frame the desktop draws (known once the window is shown) and the menu
    // bar, unless the desktop shows the menus elsewhere.
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
    int menu = 0;
    if (auto* bar = qobject_cast<QMenuBar*>(menuWidget()); bar && !bar->isHidden() && !bar->isNativeMenuBar())
        menu = bar->sizeHint().height();
    const QSize window = area - frame;
    m_content->setRoom(window - QSize(0, menu));
    activateLayouts();
    if (m_sized && !isMaximized() && !isFullScreen() && (width() > window.width() || height() > window.height()))
        resize(size().boundedTo(window));
}

void MainWindow::followArrangement()
{
    if (!m_sized)
        return;
    const QSize before = size();
    activateLayouts();
    const QSize preferred = sizeHint();
    const QSize earlier = m_preferred;
    m_preferred = preferred;
    if (isMaximized() || isFullScreen())
        return;
    // The change is the one of the sizes the window takes within the screen: a window that the
    // screen held back from its preferred size comes back to the same size when the arrangement does.
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
    const QSize room = availableArea() - frame;
    const QSize change = openingSize(preferred, QSize(), room) - openingSize(earlier, QSize(), room);
    resize(openingSize(before + change, minimumSize(), room));
}

QSize MainWindow::openingSize(QSize preferred, QSize minimum, QSize available)
{
    QSize size = preferred.expandedTo(minimum);
    if (available.isValid())
        size = size.boundedTo(available);
    return size;
}

void MainWindow::setVisible(bool visible)
{
    // Before the first show the window still has the toolkit's default size; it opens at its content's.
    if (visible && !m_sized) {
        m_sized = true;
        fitToScreen();
        m_preferred = sizeHint();
        resize(openingSize(m_preferred, minimumSizeHint().expandedTo(minimumSize()), availableArea()));
    }
    QMainWindow::setVisible(visible);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (QWindow* handle = windowHandle(); handle && !m_followsScreen) {
        m_followsScreen = true;
        connect(handle, &QWindow::screenChanged, this, [this](QScreen* display) {
            if (display)
                connect(display, &QScreen::availableGeometryChanged, this, &MainWindow::fitToScreen,
                        Qt::UniqueConnection);
            fitToScreen();
        });
        if (QScreen* display = handle->screen())
            connect(display, &QScreen::availableGeometryChanged, this, &MainWindow::fitToScreen, Qt::UniqueConnection);
    }
    // The desktop's frame is known only once the window is on the screen.
    QTimer::singleShot(0, this, &MainWindow::fitToScreen);
    if (event->spontaneous() || m_shown)
        return;
    m_shown = true;
    emit appeared();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (!event->isAccepted() || !m_shown)
        return;
    m_shown = false;
    emit disappeared();
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    // A press that no control took lands here: the window follows the pointer.
    if (event->button() == Qt::LeftButton && windowHandle() && windowHandle()->startSystemMove()) {
        event->accept();
        return;
    }
    QMainWindow::mousePressEvent(event);
}

} // namespace Kestrion
