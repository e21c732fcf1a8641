#pragma once
// A temporary copy of the built program folder with the three connections open, so tests never change the build's.
#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

#include "resources/Strings.h"

// Readable failures: gtest prints a text as itself.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// Test output names a message by its id.
inline std::ostream& operator<<(std::ostream& out, Message id)
{
    return out << static_cast<int>(id);
}

namespace kivra::test {

class TempDatabaseFolder {
public:
    // Copies the program folder, points the globals at it, opens the connections and loads the options.
    TempDatabaseFolder();
    ~TempDatabaseFolder();
    TempDatabaseFolder(const TempDatabaseFolder&) = delete;
    TempDatabaseFolder& operator=(const TempDatabaseFolder&) = delete;

    bool ok() const { return m_ok; }
    QString path() const { return m_dir.path(); }
    QString dbPath(const QString& file) const { return m_dir.path() + QStringLiteral("/Db/") + file; }

    // Runs a statement that changes data; false for a SELECT, which says nothing by running.
    static bool exec(const QString& connection, const QString& sql);
    // The number of rows in a table of one of the connections (-1 when it cannot be read).
    static int count(const QString& connection, const QString& table);

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

// A fixture with a temporary folder of its own (this one or TempProgramFolder), checked before each test.
template <class Folder = TempDatabaseFolder> class InFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.ok()); }
    Folder folder;
};

// How a run of the built program ended and what it printed; code -1 when it did not end in time.
struct ProgramRun {
    int code = -1;
    QString out, err;
};
ProgramRun RunProgram(const QStringList& args);

// A file's bytes; empty when it cannot be read.
QByteArray ReadFile(const QString& path);

// Writes bytes to a file; false when it cannot.
bool WriteFile(const QString& path, const QByteArray& bytes);

// A PNG picture of one colour.
QByteArray PngBytes(QSize size, const QColor& colour);

// Copies a folder recursively; false on the first failure.
bool CopyFolder(const QString& from, const QString& to);

} // namespace kivra::test
