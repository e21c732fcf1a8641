#pragma once
// The temporary program folder of DatabaseFolder.h, with every message going to a ScriptedInteraction.
#include "support/ScriptedInteraction.h"
#include "support/DatabaseFolder.h"

namespace kivra::test {

class TempProgramFolder : public TempDatabaseFolder {
public:
    TempProgramFolder() { setInteraction(&m_ui); }
    ~TempProgramFolder() { setInteraction(nullptr); }
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    ScriptedInteraction& ui() { return m_ui; }

private:
    ScriptedInteraction m_ui;
};

} // namespace kivra::test
