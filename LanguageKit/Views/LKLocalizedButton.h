// A push button captioned by a text key, with the caption looked up once when it is built.
#pragma once

#include "LanguageKit/LKLocalizedString.h"

#include <QPushButton>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace LanguageKit {

class LKLocalizedButton : public QPushButton
{
    Q_OBJECT

public:
    enum class Role { Destructive, Cancel };

    // Caption: the key's plain translation; `role` is kept as given.
    LKLocalizedButton(LKLocalizedString key, std::optional<Role> role, std::function<void()> action,
                      QWidget* parent = nullptr);
    // Caption: the key's translation with `argument` filled in when it is text or a number, else the
    // plain translation; no role.
    LKLocalizedButton(LKLocalizedString key, const QVariant& argument, std::function<void()> action,
                      QWidget* parent = nullptr);

    // The caption as resolved when the button was built, shown verbatim.
    const QString& localizedText() const { return m_text; }
    const std::optional<Role>& role() const { return m_role; }

private:
    LKLocalizedButton(QString text, std::optional<Role> role, std::function<void()> action, QWidget* parent);

    std::function<void()> m_action;
    QString m_text;
    std::optional<Role> m_role;
};

} // namespace LanguageKit
