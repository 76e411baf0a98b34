#pragma once

#include "ThermionKit/ThermionCheck.h"

#include <QDialog>

class QPushButton;

namespace Kestrion {

// The sheet that announces a newer companion: its icon, a title and an explanation, a button that
// opens the download page (the sheet stays) and one that dismisses the sheet.
class SensorUpdateView : public QDialog
{
    Q_OBJECT

public:
    explicit SensorUpdateView(ThermionKit::ThermionCheck companion, QWidget* parent = nullptr);

    // Shows the sheet window-modal over `window`, at most one at a time; returns it.
    static SensorUpdateView* present(QWidget* window, const ThermionKit::ThermionCheck& companion);

    QPushButton* downloadButton() const { return m_download; }
    QPushButton* dismissButton() const { return m_dismiss; }

private:
    ThermionKit::ThermionCheck m_companion;
    QPushButton* m_download;
    QPushButton* m_dismiss;
};

} // namespace Kestrion
