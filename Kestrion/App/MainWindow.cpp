#include "Kestrion/App/MainWindow.h"

#include "Kestrion/App/ContentView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
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
