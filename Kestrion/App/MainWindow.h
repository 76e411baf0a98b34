#pragma once

#include <QMainWindow>

namespace Kestrion {

class ContentView;

// The main window: the content view under the program's menus. It tells when it appears and when it
// disappears, and it can be moved by dragging its background.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(ContentView* content, QWidget* parent = nullptr);

    ContentView* contentView() const { return m_content; }

signals:
    void appeared();
    void disappeared();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ContentView* m_content = nullptr;
    bool m_shown = false;
};

} // namespace Kestrion
