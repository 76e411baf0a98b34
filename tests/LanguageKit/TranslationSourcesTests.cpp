// Every module's translation sources, walked together: each language has every English key with a
// text of its own, the same placeholders, the module's name as its context, a compiled table in the
// module's bundle, and a key two modules share reads alike in both when it does in English. German
// texts speak to the user as du throughout.
#include "LanguageKit/TextFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <optional>

using LanguageKit::TextFormat;

namespace {

struct Table {
    QString module;
    QString language;
    QString fileName;
    // key -> text; an entry lrelease leaves out (unfinished, vanished, obsolete) is kept apart.
    QMap<QString, QString> texts;
    QStringList unfinished;
    QStringList faults;
};

// The placeholders a text takes: TextFormat's (%@, %2$@, %d, ...) and QString::arg's (%1 .. %99).
QStringList placeholders(const QString& text)
{
    QStringList list = TextFormat::placeholders(text);
    static const QRegularExpression argMarker(QStringLiteral("%(\\d{1,2})(?![\\d$])"));
    for (auto it = argMarker.globalMatch(text); it.hasNext();)
        list << it.next().captured(0);
    list.sort();
    return list;
}

Table readTable(const QFileInfo& file, const QString& module, const QString& language)
{
    Table table{module, language, file.fileName(), {}, {}, {}};
    QFile input(file.absoluteFilePath());
    if (!input.open(QIODevice::ReadOnly)) {
        table.faults << table.fileName + QStringLiteral(": cannot be read");
        return table;
    }
    QXmlStreamReader xml(&input);
    QString source;
    std::optional<QString> translation;
    bool skipped = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("name")) {
                const QString context = xml.readElementText();
                if (context != module)
                    table.faults << QStringLiteral("%1: context %2 is not the module's name").arg(table.fileName, context);
            } else if (name == QLatin1String("message")) {
                source.clear();
                translation.reset();
                skipped = false;
            } else if (name == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                const auto type = xml.attributes().value(QLatin1String("type"));
                skipped = type == QLatin1String("unfinished") || type == QLatin1String("vanished")
                    || type == QLatin1String("obsolete");
                translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (skipped)
                table.unfinished << source;
            else
                table.texts.insert(source, translation.value_or(QString()));
        }
    }
    if (xml.hasError())
        table.faults << QStringLiteral("%1: not readable: %2").arg(table.fileName, xml.errorString());
    return table;
}

// Whether a German text addresses the user formally (Sie, Ihnen, Ihr...), where the program says du.
// At the start of a sentence "Sie" may as well be "they", so only the words inside a sentence count.
bool addressesFormally(const QString& text)
{
    static const QRegularExpression formal(QStringLiteral("\\b(Sie|Ihnen|Ihr|Ihre|Ihrem|Ihren|Ihrer|Ihres)\\b"));
    static const QRegularExpression sentenceStart(QStringLiteral("(^|[.!?:]\\s+)$"));
    for (auto it = formal.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!sentenceStart.match(text.left(match.capturedStart())).hasMatch())
            return true;
    }
    return false;
}

// A text as a label shows it and without the colon a caption adds, for comparing wordings.
QString wording(const QString& text)
{
    QString word = text.trimmed();
    if (word.endsWith(QLatin1Char(':')))
        word.chop(1);
    return word.toCaseFolded();
}

// The faults of the translation sources below `sourceRoot` (<Module>/Resources/translations/
// <Module>_<language>.ts), and of their compiled tables in `bundles` (<Module>_<Module>.bundle/
// translations/<Module>_<language>.qm), one line each.
QStringList translationFaults(const QString& sourceRoot, const QString& bundles)
{
    QStringList faults;
    QMap<QString, QMap<QString, Table>> modules; // module -> language -> table
    for (const QFileInfo& folder : QDir(sourceRoot).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString module = folder.fileName();
        const QDir translations(folder.absoluteFilePath() + QStringLiteral("/Resources/translations"));
        for (const QFileInfo& file : translations.entryInfoList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name)) {
            const QString prefix = module + QLatin1Char('_');
            if (!file.completeBaseName().startsWith(prefix)) {
                faults << QStringLiteral("%1: not named %2<language>.ts").arg(file.fileName(), prefix);
                continue;
            }
            const QString language = file.completeBaseName().mid(prefix.size());
            Table table = readTable(file, module, language);
            faults << table.faults;
            const QString compiled = QStringLiteral("%1/%2_%2.bundle/translations/%3.qm")
                                         .arg(bundles, module, file.completeBaseName());
            if (!QFileInfo(compiled).isFile())
                faults << QStringLiteral("%1: not compiled into %2_%2.bundle").arg(file.fileName(), module);
            modules[module].insert(language, table);
        }
    }

    for (auto module = modules.cbegin(); module != modules.cend(); ++module) {
        const auto english = module->constFind(QStringLiteral("en"));
        if (english == module->cend()) {
            faults << QStringLiteral("%1: no English table %1_en.ts, the one every other is checked against").arg(module.key());
            continue;
        }
        for (const Table& table : *module) {
            for (auto entry = english->texts.cbegin(); entry != english->texts.cend(); ++entry) {
                const QString& key = entry.key();
                const auto text = table.texts.constFind(key);
                if (table.unfinished.contains(key))
                    faults << QStringLiteral("%1: %2: unfinished, so it shows as the key").arg(table.fileName, key);
                else if (text == table.texts.cend())
                    faults << QStringLiteral("%1: %2: missing, so it shows as the key").arg(table.fileName, key);
                else if (text->trimmed().isEmpty())
                    faults << QStringLiteral("%1: %2: empty, so it shows as the key").arg(table.fileName, key);
                else if (table.language.startsWith(QLatin1String("de")) && addressesFormally(*text))
                    faults << QStringLiteral("%1: %2: says Sie to the user, where the program says du").arg(table.fileName, key);
                else if (placeholders(*text) != placeholders(*entry))
                    faults << QStringLiteral("%1: %2: placeholders %3 where English has %4")
                                  .arg(table.fileName, key, placeholders(*text).join(QLatin1Char(' ')),
                                       placeholders(*entry).join(QLatin1Char(' ')));
            }
            for (auto entry = table.texts.cbegin(); entry != table.texts.cend(); ++entry) {
                if (!english->texts.contains(entry.key()))
                    faults << QStringLiteral("%1: %2: not in the English table").arg(table.fileName, entry.key());
            }
        }
    }

    // A key two modules share, worded alike in English, is worded alike in each language.
    for (auto first = modules.cbegin(); first != modules.cend(); ++first) {
        for (auto second = std::next(first); second != modules.cend(); ++second) {
            const auto firstEnglish = first->constFind(QStringLiteral("en"));
            const auto secondEnglish = second->constFind(QStringLiteral("en"));
            if (firstEnglish == first->cend() || secondEnglish == second->cend())
                continue;
            for (auto entry = firstEnglish->texts.cbegin(); entry != firstEnglish->texts.cend(); ++entry) {
                const QString& key = entry.key();
                const auto other = secondEnglish->texts.constFind(key);
                if (other == secondEnglish->texts.cend() || wording(*other) != wording(*entry))
                    continue;
                for (const Table& table : *first) {
                    const auto mine = table.texts.constFind(key);
                    const auto theirs = second->constFind(table.language);
                    if (mine == table.texts.cend() || theirs == second->cend())
                        continue;
                    const auto text = theirs->texts.constFind(key);
                    if (text != theirs->texts.cend() && wording(*text) != wording(*mine))
                        faults << QStringLiteral("%1: %2: \"%3\" where %4 says \"%5\"")
                                      .arg(table.fileName, key, *mine, theirs->fileName, *text);
                }
            }
        }
    }
    return faults;
}

} // namespace

TEST(TranslationSources, EveryModuleSpeaksEveryLanguageItShipsInFull)
{
    const QStringList faults = translationFaults(QStringLiteral(KESTRION_SOURCE_DIR),
                                                 QStringLiteral(KESTRION_BINARY_DIR "/share/kestrion"));
    EXPECT_TRUE(faults.isEmpty()) << qPrintable(faults.join(QLatin1Char('\n')));

    // The walk found the tables: every module that has texts has an English and a German table.
    const QDir root(QStringLiteral(KESTRION_SOURCE_DIR));
    int tables = 0;
    for (const QString& module : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir translations(root.filePath(module + QStringLiteral("/Resources/translations")));
        if (!translations.exists())
            continue;
        EXPECT_TRUE(translations.exists(module + QStringLiteral("_en.ts"))) << qPrintable(module);
        EXPECT_TRUE(translations.exists(module + QStringLiteral("_de.ts"))) << qPrintable(module);
        tables += int(translations.entryList({QStringLiteral("*.ts")}).size());
    }
    EXPECT_GE(tables, 14);
}

TEST(TranslationSources, EachKindOfFaultIsReported)
{
    // Alpha and Gamma are compiled, Beta is not; Alpha's German table is not compiled either.
    QTemporaryDir bundles;
    ASSERT_TRUE(bundles.isValid());
    const QDir out(bundles.path());
    for (const QString& file : {QStringLiteral("Alpha_Alpha.bundle/translations/Alpha_en.qm"),
                                QStringLiteral("Gamma_Gamma.bundle/translations/Gamma_en.qm"),
                                QStringLiteral("Gamma_Gamma.bundle/translations/Gamma_de.qm"),
                                QStringLiteral("Beta_Beta.bundle/translations/Beta_de.qm")}) {
        ASSERT_TRUE(out.mkpath(QFileInfo(out.filePath(file)).path()));
        QFile qm(out.filePath(file));
        ASSERT_TRUE(qm.open(QIODevice::WriteOnly));
    }

    QStringList faults = translationFaults(QStringLiteral(KESTRION_FIXTURES "/Translations"), bundles.path());
    faults.sort();
    const QStringList expected = {
        QStringLiteral("Alpha_de.ts: CAPACITY: placeholders %1$@ where English has %1$@ %2$@"),
        QStringLiteral("Alpha_de.ts: CELL: placeholders %2 where English has %1"),
        QStringLiteral("Alpha_de.ts: DISMISS: empty, so it shows as the key"),
        QStringLiteral("Alpha_de.ts: LATER: not in the English table"),
        QStringLiteral("Alpha_de.ts: MEMORY: missing, so it shows as the key"),
        QStringLiteral("Alpha_de.ts: RATE: says Sie to the user, where the program says du"),
        QStringLiteral("Alpha_de.ts: VOLUMES: \"Volumes:\" where Gamma_de.ts says \"Laufwerke\""),
        QStringLiteral("Alpha_de.ts: WINDOW: unfinished, so it shows as the key"),
        QStringLiteral("Alpha_de.ts: not compiled into Alpha_Alpha.bundle"),
        QStringLiteral("Beta: no English table Beta_en.ts, the one every other is checked against"),
        QStringLiteral("Gamma_de.ts: context Gama is not the module's name"),
    };
    EXPECT_EQ(faults, expected) << qPrintable(faults.join(QLatin1Char('\n')));
}
