// The settings store over a file of any content: one read allocates at most a few heap blocks per byte
// of the file, and reading changes, renames or removes no file, except that a file of the program's own
// that cannot be decoded is moved aside whole. The run stops at the first read that breaks a rule.
#include "FuzzInput.h"
#include "PlistForms.h"
#include "tests/Support/AllocationCount.h"

#include "Platform/PropertyList/Defaults.h"
#include "Platform/PropertyList/PlistValue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

// Blocks a read may allocate: some for the store itself (the file's path, its watch, the read buffer)
// and a few per byte of the file. Over 60,000 inputs the reads took at most 329 blocks, and never more
// than half a block per byte beyond the first few; a binary file of one shared date at 99,225 places
// (693 bytes) took a reader that made each date with a time zone of its own some 400,000 blocks.
constexpr std::uint64_t kBaseBlocks = 4'096;
constexpr std::uint64_t kBlocksPerByte = 8;

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
    // What the read costs, counted in heap blocks, which a busy machine does not change where it does
    // change the read's processor time. A read makes each object of the file once, however many places
    // share it, so the blocks follow the file's bytes; a reader that made something for every place (a
    // time zone for each date, a copy of each shared text) makes hundreds of thousands from a few
    // hundred bytes.
    Platform::PlistValue::DictionaryType values;
    const auto read = AllocationCount::during([&] { values = defaults.dictionary(); });
    if (read.blocks > kBaseBlocks + kBlocksPerByte * size)
        fail("one read allocated more heap blocks than its file's bytes allow");

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
