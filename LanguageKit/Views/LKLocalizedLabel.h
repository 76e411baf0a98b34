// A label of a text key beside a named symbol, the text looked up once when it is built.
#pragma once

#include "LanguageKit/LKLocalizedString.h"

#include <QString>
#include <QVariant>
#include <QWidget>

class QLabel;

namespace LanguageKit {

class LKLocalizedLabel : public QWidget
{
    Q_OBJECT

public:
    // Text: the key's translation with `argument` filled in when it is text or a number, else the
    // plain one. `systemName` names the symbol shown before it (BaseKit::SymbolGlyphs), at the size of
    // the text and in its colour.
    LKLocalizedLabel(LKLocalizedString key, const QVariant& argument, const QString& systemName,
                     QWidget* parent = nullptr);

    const QString& localizedText() const { return m_text; }
    const QString& systemName() const { return m_systemName; }

private:
    QString m_text;
    QString m_systemName;
    QLabel* m_icon = nullptr;
    QLabel* m_title = nullptr;
};

} // namespace LanguageKit
