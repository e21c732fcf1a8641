#pragma once
// A temporary copy of the built program folder (Db/ and image/) with the three connections open,
// so tests change their own copy of the databases and never the build's.
#include "resources/Interaction.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace kivra::test {

class TempProgramFolder {
public:
    // Copies the program folder, points the globals at it, opens the connections and loads the
    // options. Messages go to a ScriptedInteraction (see messages()).
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    bool ok() const { return m_ok; }
    QString path() const { return m_dir.path(); }
    QString dbPath(const QString& file) const { return m_dir.path() + QStringLiteral("/Db/") + file; }
    ScriptedInteraction& ui() { return m_ui; }

    // Runs a statement on one of the connections (for arranging data).
    static bool exec(const QString& connection, const QString& sql);

private:
    QTemporaryDir m_dir;
    ScriptedInteraction m_ui;
    bool m_ok = false;
};

// Copies a folder recursively; false on the first failure.
bool CopyFolder(const QString& from, const QString& to);

} // namespace kivra::test
