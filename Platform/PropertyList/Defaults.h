#pragma once

#include "Platform/PropertyList/PlistValue.h"
#include "Platform/System/SystemLog.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

namespace Platform {

// One defaults suite: a dictionary of property-list values kept in the binary property-list file
// $XDG_CONFIG_HOME/<suite>.plist, replaced atomically on every write.
//
// Reads see writes by other processes and other instances: the folder is watched (FolderWatch), and a
// read after a write elsewhere finished reads the file again; its content decides whether anything
// changed, so two writes within one time-stamp tick are told apart and a file rewritten with the same
// content changes nothing. A read while nothing happened costs one look at the watch's queue. A change
// made elsewhere is also noticed without a read, from the event loop. Either way `changed` is emitted
// for each key whose value differs. Every write in this instance emits `changed(key)`, also of an
// unchanged value. A file of the program's own that cannot be decoded is moved aside to
// "<file>.corrupt" and the suite starts empty; a suite that belongs to another program reads as empty
// while its file cannot be decoded, and its file is left as that program wrote it. Only regular files
// are read and written: anything else at the path (a named pipe, a socket, a device, also through a
// link) reads as no file and is never opened, and a write over it is refused. Where the folder cannot be
// watched, or the file is a link into another folder, the file's inode, size and modification time
// decide (as well) when it is read again. A file is read only up to maxFileSize bytes (a larger one
// counts as one that cannot be decoded), and no larger file is ever written.
//
// Typed reads follow the platform's conventions: an absent key (or a value that does not convert)
// reads as false, 0, 0.0 or none.
class Defaults : public QObject {
    Q_OBJECT
public:
    // Who writes the suite's file: this program, or another one whose file this program reads.
    enum class Owner { thisProgram, anotherProgram };

    // The largest file read, and written. The companion's suite, the largest, holds two lists of at
    // most 4 MiB each.
    static constexpr qint64 maxFileSize = 16 * 1024 * 1024;

    explicit Defaults(const QString& suite, QObject* parent = nullptr);
    Defaults(const QString& suite, Owner owner, QObject* parent = nullptr);
    ~Defaults() override;

    // The application's own suite, made on first use and named by setStandardSuite (the program's
    // identifier), else by the application's name.
    static Defaults& standard();
    // Names the standard suite; the program calls it once at start, before the first use of standard().
    // Start-up configuration only: what needs a suite of its own is given a Defaults, never a renamed
    // standard one.
    static void setStandardSuite(const QString& suite);

    const QString& suite() const { return m_suite; }
    const QString& filePath() const { return m_path; }

    // true for a true boolean, a non-zero number, or the texts "YES", "true" and "1" (any case).
    bool boolean(const QString& key) const;
    bool boolValue(const QString& key) const { return boolean(key); }
    // Integers as they are, reals cut toward zero, booleans as 0 or 1, texts holding a number.
    std::int64_t integer(const QString& key) const;
    // Numbers, booleans as 0 or 1, texts holding a number.
    double real(const QString& key) const;
    std::optional<QString> string(const QString& key) const;
    std::optional<QByteArray> data(const QString& key) const;
    PlistValue value(const QString& key) const;
    bool contains(const QString& key) const;
    // Every key and value of the suite.
    PlistValue::DictionaryType dictionary() const;

    // Stores a value (a none value removes the key) and writes the file; returns whether the file was
    // written. Either way `changed(key)` is emitted.
    // A change the file cannot hold is refused, and logged in one line: a value nested too deep or
    // holding too many values or bytes for a property list, or a suite whose file would be larger than
    // maxFileSize (no read would take it back). The key keeps what it had, the file stays as it was, and
    // later changes are written as if the refused one had not been asked for.
    // A write that fails for another reason (a folder that cannot be written, a full disk, anything but a
    // regular file at the path) is logged too, and the change is kept for this process only: reads here
    // see it, and the next write that succeeds puts it into the file, unless the file changes elsewhere
    // first (the suite then holds what the file holds).
    bool set(const QString& key, const PlistValue& value);
    bool remove(const QString& key);

    // Where the suites' log lines go: the system log, unless a test watches them with a writer of its
    // own. Returns the writer that was in use.
    static SystemLog::Writer setLogWriter(SystemLog::Writer writer);

signals:
    void changed(const QString& key);

private:
    struct FileState {
        bool exists = false;
        bool regular = false;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        std::int64_t mtimeSeconds = 0;
        std::int64_t mtimeNanoseconds = 0;
        bool operator==(const FileState&) const = default;
    };
    FileState stat() const;
    // Reads the file again when it changed since it was last read or written.
    void refresh() const;
    void load(const FileState& state) const;
    enum class Written { yes, refused, failed };
    Written write();
    // Stores `value` for `key` (none removes it) and writes the file; a change the file cannot hold is
    // taken back.
    bool change(const QString& key, const PlistValue& value);
    void watch();

    QString m_suite;
    QString m_path;
    Owner m_owner = Owner::thisProgram;
    int m_watchId = 0; // 0: the folder is not watched
    mutable PlistValue::DictionaryType m_values;
    // The file's content as last read or written; an unchanged content is not decoded again.
    mutable QByteArray m_bytes;
    mutable FileState m_state;
    mutable bool m_loaded = false;
    mutable bool m_linked = false; // the file is a symbolic link
};

} // namespace Platform
