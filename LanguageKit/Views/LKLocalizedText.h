// A text captioned by a text key, looked up once when it is built and shown verbatim.
#pragma once

#include "LanguageKit/LKLocalizedString.h"

#include <QLabel>
#include <QString>
#include <QVariant>

namespace LanguageKit {

class LKLocalizedText : public QLabel
{
    Q_OBJECT

public:
    // The key's translation with `argument` filled in when it is text or a number, else the plain one.
    explicit LKLocalizedText(LKLocalizedString key, const QVariant& argument = QVariant(),
                             QWidget* parent = nullptr);

    const QString& localizedText() const { return m_text; }

private:
    QString m_text;
};

} // namespace LanguageKit
