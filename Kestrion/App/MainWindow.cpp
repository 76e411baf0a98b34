#include "Kestrion/App/MainWindow.h"

#include "Kestrion/App/ContentView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace Kestrion {

MainWindow::MainWindow(ContentView* content, QWidget* parent)
    : QMainWindow(parent)
    , m_content(content)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QApplication::applicationDisplayName());
    setCentralWidget(content);
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
        // The hints are only whole once the widgets are polished and every layout has let go of the
        // hints it kept from before the cards were placed.
        ensurePolished();
        for (QLayout* inner : findChildren<QLayout*>())
            inner->invalidate();
        if (layout())
            layout()->activate();
        const QScreen* display = screen();
        const QSize available = display ? display->availableGeometry().size() : QSize();
        resize(openingSize(sizeHint(), minimumSizeHint().expandedTo(minimumSize()), available));
    }
    QMainWindow::setVisible(visible);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
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
