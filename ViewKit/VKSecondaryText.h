#pragma once

#include <QObject>

class QWidget;

namespace ViewKit {

// Keeps a label's text in the secondary colour of the scheme its window shows now. The colour is
// taken again whenever the palette around the label changes (a switch between light and dark), so
// the label never keeps the colour of the scheme it was made in. The scheme comes from the parent's
// palette: the label's own palette holds the secondary colour it was given.
class VKSecondaryText : public QObject
{
    Q_OBJECT

public:
    // Gives `widget` the secondary text colour now and from then on; it owns the follower.
    static void follow(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit VKSecondaryText(QWidget* widget);
    void apply();

    QWidget* m_widget;
};

} // namespace ViewKit
