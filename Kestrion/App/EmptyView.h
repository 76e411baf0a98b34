#pragma once

#include <QWidget>

class QLabel;

namespace Kestrion {

// What the main window shows when every module is switched off: the application icon and two texts.
class EmptyView : public QWidget
{
    Q_OBJECT

public:
    explicit EmptyView(QWidget* parent = nullptr);

    QLabel* titleLabel() const { return m_title; }
    QLabel* infoLabel() const { return m_info; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyColors();

    QLabel* m_icon = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_info = nullptr;
};

} // namespace Kestrion
