#pragma once

#include <QWidget>

namespace BaseKit {

// Carries a caller's view inside a status item's button, filling it. When it lands in a window it
// makes that window the active one, so the view takes key presses at once.
class StatusBarMenuHostingView : public QWidget {
    Q_OBJECT
public:
    explicit StatusBarMenuHostingView(QWidget* rootView, QWidget* parent = nullptr);

    QWidget* rootView() const { return m_rootView; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_rootView;
};

} // namespace BaseKit
