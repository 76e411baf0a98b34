#pragma once

#include <QListView>

namespace Kestrion {

// A list that stands on a card's own surface: no frame, no background (also after a palette
// change), no selection, no editing and no focus; rows of one height, scrolling vertically only.
// The process lists and the graphics counter list are made of it.
class CardListView : public QListView
{
    Q_OBJECT

public:
    explicit CardListView(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void clearBackground();
};

} // namespace Kestrion
