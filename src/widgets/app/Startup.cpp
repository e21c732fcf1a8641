#include "app/Startup.h"

#include "resources/Interaction.h"
#include "storage/ProgramDatabases.h"

namespace kivra {

bool OpenConnections(QString* failedFile)
{
    const std::optional<DatabaseFailure> failure = OpenProgramDatabases();
    if (!failure)
        return true;
    if (failedFile)
        *failedFile = failure->path;
    ShowMessage(failure->messageId, nullptr, {failure->path});
    return false;
}

} // namespace kivra
