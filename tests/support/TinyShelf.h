#pragma once
// Small SWORD modules made with osis2mod where SWORD_PATH and HOME point: "Tiny" (Spanish, KJVA, Strong's
// markup and a footnote), "UkrSynodal" (Synodal numbering) and "Damaged"; with the study modules also
// "TinyNotes" (a commentary) and "TinyGreek" (a one-entry Strong's Greek lexicon).
#include "support/MachineNeeds.h"

#include <QTemporaryDir>

namespace kivra::test {

class TinyShelfFolder {
public:
    explicit TinyShelfFolder(bool studyModules = false);
    ~TinyShelfFolder();
    // Why the modules could not be made (osis2mod missing), or nothing.
    const Shortfall& shortfall() const { return m_shortfall; }

private:
    QTemporaryDir m_dir;
    Shortfall m_shortfall;
    QByteArray m_oldSwordPath, m_oldHome;
};

} // namespace kivra::test
