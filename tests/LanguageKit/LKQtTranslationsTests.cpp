#include "LanguageKit/LKQtTranslations.h"

#include <QPushButton>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using LanguageKit::LKQtTranslations;

namespace {

const QKeySequence settingsKeys(Qt::CTRL | Qt::Key_Comma);

QString shown(const QKeySequence& keys)
{
    return keys.toString(QKeySequence::NativeText);
}

bool germanCatalogueInstalled()
{
    return QFileInfo::exists(LKQtTranslations::qtTranslationsFolder() + QStringLiteral("/qtbase_de.qm"));
}

} // namespace

TEST(LKQtTranslations, QtsOwnTextsAreGermanWhileTheGermanCatalogueIsInstalled)
{
    if (!germanCatalogueInstalled())
        GTEST_SKIP() << "Qt's German catalogue (qtbase_de.qm, package qt6-translations-l10n) is not installed in "
                     << qPrintable(LKQtTranslations::qtTranslationsFolder());
    ASSERT_EQ(shown(settingsKeys), QStringLiteral("Ctrl+,"));
    {
        // A regional name finds the language's catalogue.
        const LKQtTranslations german(QStringLiteral("de-AT"));
        ASSERT_TRUE(german.isInstalled());
        EXPECT_TRUE(german.fileName().endsWith(QStringLiteral("_de.qm"))) << qPrintable(german.fileName());
        EXPECT_EQ(shown(settingsKeys), QStringLiteral("Strg+,"));
        EXPECT_EQ(shown(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)), QStringLiteral("Strg+Umschalt+Entf"));
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Abbrechen"));
    }
    // Gone with the object: the rest of the process reads Qt's English again.
    EXPECT_EQ(shown(settingsKeys), QStringLiteral("Ctrl+,"));
}

TEST(LKQtTranslations, EnglishAMissingOrADamagedCatalogueLeavesQtEnglish)
{
    EXPECT_FALSE(LKQtTranslations(QStringLiteral("en")).isInstalled());
    EXPECT_FALSE(LKQtTranslations(QStringLiteral("en-GB")).isInstalled());
    EXPECT_FALSE(LKQtTranslations(QString()).isInstalled());

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_FALSE(LKQtTranslations(QStringLiteral("de"), folder.path()).isInstalled());
    QFile damaged(folder.filePath(QStringLiteral("qtbase_de.qm")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a catalogue");
    damaged.close();
    const LKQtTranslations refused(QStringLiteral("de"), folder.path());
    EXPECT_FALSE(refused.isInstalled());
    EXPECT_TRUE(refused.fileName().isEmpty());
    EXPECT_EQ(shown(settingsKeys), QStringLiteral("Ctrl+,"));
}
