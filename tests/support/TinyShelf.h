#pragma once
// Small SWORD modules made with osis2mod in a temporary folder that SWORD_PATH and HOME point at, so
// the shelf finds only them: "Tiny" (Spanish, KJVA versification: Genesis 1:1 and 1:3 with Strong's
// markup and a footnote between two words, Genesis 1:2 missing, Tobit 1:1, John 3:16), "UkrSynodal"
// (English, Synodal versification: Psalm 3:1-3 with its title as verse 1, Psalm 50:3) and "Damaged"
// (a commentary whose conf names a driver its files are not made for). With the study modules also
// "TinyNotes" (a commentary on John 3:16-17 with links, emphasis and a footnote) and "TinyGreek" (a
// Strong's Greek lexicon of one entry, G25); no Hebrew lexicon.
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
