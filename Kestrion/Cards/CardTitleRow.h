#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

namespace Kestrion {

class CardTitle;

// The titles of cards that stand side by side at the top of their columns (the processor and the
// memory card): each takes the height of the tallest title shown, so that when one wraps onto a
// second line the contents under all of them still start on one line. A hidden title does not count.
class CardTitleRow : public QObject
{
    Q_OBJECT

public:
    explicit CardTitleRow(QObject* parent = nullptr);

    void add(CardTitle* title);
    // The height every title of the row takes now.
    int height() const { return m_height; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void align();

    QList<QPointer<CardTitle>> m_titles;
    int m_height = 0;
};

} // namespace Kestrion
