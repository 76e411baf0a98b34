#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A private copy of a fixture tree from tests/fixtures/SystemKit, which a test can replace by another
// tree between two samples (the machine moving on), or edit file by file.
class FixtureRoot {
public:
    FixtureRoot() { EXPECT_TRUE(m_dir.isValid()); }
    explicit FixtureRoot(const QString& fixture) : FixtureRoot() { load(fixture); }

    QString path() const { return m_dir.path(); }

    // Replaces the whole tree by the fixture `name` (a path below tests/fixtures/SystemKit).
    void load(const QString& name)
    {
        QDir root(m_dir.path());
        for (const QString& entry : root.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
            QDir(root.filePath(entry)).removeRecursively() || QFile::remove(root.filePath(entry));
        const QString source = QStringLiteral(KESTRION_FIXTURES "/SystemKit/") + name;
        ASSERT_TRUE(QFileInfo(source).isDir()) << source.toStdString();
        QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to = root.filePath(QDir(source).relativeFilePath(from));
            if (it.fileInfo().isDir())
                QDir().mkpath(to);
            else
                ASSERT_TRUE(QFile::copy(from, to)) << to.toStdString();
        }
    }

    // Writes (or with `remove`, deletes) one file of the tree.
    void write(const QString& relative, const QByteArray& contents)
    {
        const QString file = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(contents);
    }
    void remove(const QString& relative) { QFile::remove(m_dir.filePath(relative)); }

private:
    QTemporaryDir m_dir;
};
