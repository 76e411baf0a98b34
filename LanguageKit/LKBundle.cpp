#include "LanguageKit/LKBundle.h"

#include "BaseKit/ModuleStrings.h"
#include "Platform/Files/Bundles.h"

#include <QLocale>

#include <mutex>

namespace LanguageKit {

LKBundle& LKBundle::bundle()
{
    static LKBundle instance(Platform::Bundles::program().find(QLatin1String(moduleName)),
                             QLocale::system().uiLanguages());
    return instance;
}

LKBundle::LKBundle(const QString& path, const QStringList& uiLanguages)
{
    load(path, uiLanguages);
}

LKBundle::~LKBundle() = default;

void LKBundle::load(const QString& path, const QStringList& uiLanguages)
{
    QStringList languages = uiLanguages;
    languages.append(QStringLiteral("en"));
    auto table = std::make_shared<const BaseKit::ModuleStrings>(
        QLatin1String(moduleName), path.isEmpty() ? QString() : path + QStringLiteral("/translations"), languages);

    std::unique_lock lock(m_lock);
    m_path = path;
    m_table = std::move(table);
}

QString LKBundle::path() const
{
    std::shared_lock lock(m_lock);
    return m_path;
}

QString LKBundle::language() const
{
    std::shared_lock lock(m_lock);
    return m_table->language();
}

QString LKBundle::localizedString(const QString& key) const
{
    std::shared_ptr<const BaseKit::ModuleStrings> table;
    {
        std::shared_lock lock(m_lock);
        table = m_table;
    }
    return table->text(key);
}

} // namespace LanguageKit
