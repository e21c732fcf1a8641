#pragma once
// Small SWORD modules ("Tiny", Spanish, and "Damaged") made with osis2mod where SWORD_PATH and HOME point.
#include "support/MachineNeeds.h"

#include <QTemporaryDir>

namespace kivra::test {

class TinyShelfFolder {
public:
    TinyShelfFolder();
    ~TinyShelfFolder();
    // Why the modules could not be made (osis2mod missing), or nothing.
    const Shortfall& shortfall() const { return m_shortfall; }

private:
    QTemporaryDir m_dir;
    Shortfall m_shortfall;
    QByteArray m_oldSwordPath, m_oldHome;
};

} // namespace kivra::test
