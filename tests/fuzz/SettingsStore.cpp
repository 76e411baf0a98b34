// The settings store over a file of any content: one read takes at most 100 ms of processor time,
// and reading changes, renames or removes no file, except that a file of the program's own that cannot
// be decoded is moved aside whole. The run stops at the first read that breaks either rule.
#include "FuzzInput.h"
#include "PlistForms.h"
#include "tests/Support/MainThreadStalls.h"

#include "Platform/PropertyList/Defaults.h"
#include "Platform/PropertyList/PlistValue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "settings store: %s\n", what);
    std::abort();
}

// Every file of the folder with its content.
std::map<QString, QByteArray> files(const QString& folder)
{
    std::map<QString, QByteArray> all;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        QFile file(folder + QLatin1Char('/') + name);
        all[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    return all;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz-SettingsStore";
    static char* argv[] = {name, nullptr};
    static const QString config = [] {
        const QString folder = FuzzInput::scratch() + QStringLiteral("/config");
        QDir().mkpath(folder);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
        return folder;
    }();
    static QCoreApplication app(argc, argv);

    const QByteArray bytes = FuzzInput::bytes(data, size);
    // Half the inputs as the program's own suite, half as another program's.
    const bool own = size % 2 == 0;
    const QString suite = QStringLiteral("fuzz.suite");
    const QString path = config + QStringLiteral("/fuzz.suite.plist");
    QFile::remove(path + QStringLiteral(".corrupt"));
    FuzzInput::write(config, QStringLiteral("fuzz.suite.plist"), bytes);
    const auto before = files(config);

    Platform::Defaults defaults(suite, own ? Platform::Defaults::Owner::thisProgram
                                           : Platform::Defaults::Owner::anotherProgram);
    // The read's own processor time: a busy machine that takes the processor away from this thread
    // for a while does not make the read slow.
    const qint64 start = MainThreadStalls::threadMilliseconds();
    const auto values = defaults.dictionary();
    if (MainThreadStalls::threadMilliseconds() - start > 100)
        fail("one read took over 100 ms");

    auto after = files(config);
    const auto decoded = Platform::PlistValue::decode(bytes);
    const bool readable = bytes.isEmpty() || (decoded && decoded->toDictionary());
    if (own && !readable) {
        // Moved aside whole, and nothing else changed.
        const auto aside = after.find(QStringLiteral("fuzz.suite.plist.corrupt"));
        if (aside == after.end() || aside->second != bytes || after.count(QStringLiteral("fuzz.suite.plist")))
            fail("an undecodable file of the program's own was not moved aside whole");
        after.erase(aside);
        after[QStringLiteral("fuzz.suite.plist")] = bytes;
    }
    if (after != before)
        fail("a read changed, renamed or removed a file");
    if (readable && !bytes.isEmpty() && !PlistForms::same(Platform::PlistValue(values), *decoded, false))
        fail("the store holds other values than the file");
    if (!readable && !values.empty())
        fail("an undecodable file gave values");
    return 0;
}
