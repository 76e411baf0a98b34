#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

// A private machine tree for the volume readers: a copy of a fixture of tests/fixtures/Platform/volumes
// (symbolic links kept as links, as sysfs has them) that a test or benchmark extends file by file and
// gives its own mount table.
class VolumeTree {
public:
    explicit VolumeTree(const QString& fixture = QString())
    {
        if (!fixture.isEmpty())
            copy(QStringLiteral(KESTRION_FIXTURES "/Platform/volumes/") + fixture);
    }

    QString root() const { return m_dir.path(); }
    bool isValid() const { return m_dir.isValid() && m_ok; }

    void write(const QString& relative, const QByteArray& contents)
    {
        const QString file = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(file).path());
        QFile::remove(file);
        QFile out(file);
        m_ok = out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(contents) == contents.size() && m_ok;
    }

    // A symbolic link at `relative` whose text is `target` (relative to the link's folder, as sysfs).
    void link(const QString& relative, const QString& target)
    {
        const QString file = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(file).path());
        QFile::remove(file);
        m_ok = ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(file).constData()) == 0 && m_ok;
    }

    void mountTable(const QByteArray& text) { write(QStringLiteral("proc/self/mountinfo"), text); }

private:
    void copy(const QString& source)
    {
        if (!QFileInfo(source).isDir()) {
            m_ok = false;
            return;
        }
        QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString relative = QDir(source).relativeFilePath(from);
            const QFileInfo info = it.fileInfo();
            if (info.isSymLink()) {
                char target[4096];
                const ssize_t n = ::readlink(QFile::encodeName(from).constData(), target, sizeof target - 1);
                if (n > 0)
                    link(relative, QString::fromLocal8Bit(target, n));
            } else if (info.isDir()) {
                QDir().mkpath(m_dir.filePath(relative));
            } else {
                QFile in(from);
                if (in.open(QIODevice::ReadOnly))
                    write(relative, in.readAll());
            }
        }
    }

    QTemporaryDir m_dir;
    bool m_ok = true;
};
