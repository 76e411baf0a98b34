// A switch captioned by a text key; its state lives with the caller, reached through a binding.
#pragma once

#include "LanguageKit/BoolBinding.h"
#include "LanguageKit/LKLocalizedString.h"

#include <QCheckBox>
#include <QString>
#include <QVariant>

namespace LanguageKit {

class LKLocalizedToggle : public QCheckBox
{
    Q_OBJECT

public:
    // Caption: the key's translation with `argument` filled in when it is text or a number, else the
    // plain one. The switch starts in the state `isOn` reads and writes every change through it.
    LKLocalizedToggle(LKLocalizedString key, const QVariant& argument, BoolBinding isOn,
                      QWidget* parent = nullptr);

    const QString& localizedText() const { return m_text; }

private:
    BoolBinding m_isOn;
    QString m_text;
};

} // namespace LanguageKit
