#include "app/ExportCommand.h"

#include "app/PassageCommand.h"
#include "output/RtfWriter.h"
#include "reading/Passage.h"
#include "settings/Options.h"
#include "settings/TextBoxOptions.h"

#include <QCoreApplication>
#include <QTextEdit>
#include <QTextStream>

namespace kivra {

int RunExportRtfCommand(const QStringList& operands)
{
    QTextStream err(stderr);
    if (operands.size() != 4) {
        err << QCoreApplication::translate("PassageCommand", "export-rtf needs TESTAMENT BOOK C:V-C:V FILE.") << '\n';
        return 2;
    }
    QString text, error;
    if (!PassageTextForArguments(operands.mid(0, 3), &text, &error)) {
        err << error << '\n';
        return 2;
    }
    // The same pane the window writes from, filled and formatted the same way.
    QTextEdit pane;
    pane.setObjectName(QStringLiteral("txtBibleText"));
    pane.setPlainText(text);
    ApplyExportFormat(&pane);
    if (!saveRtf(*pane.document(), operands[3], &error)) {
        err << QCoreApplication::translate("PassageCommand", "Could not save %1: %2").arg(operands[3], error) << '\n';
        return 1;
    }
    return 0;
}

} // namespace kivra
