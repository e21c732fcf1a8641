#include "app/ExportCommand.h"

#include "app/PassageCommand.h"
#include "output/RtfWriter.h"
#include "reading/Passage.h"
#include "reading/VerseRangeSelector.h"
#include "settings/Options.h"

#include <QTextEdit>
#include <QTextStream>

namespace kivra {

int RunExportRtfCommand(const QStringList& operands)
{
    QTextStream err(stderr);
    if (operands.size() != 4) {
        err << "export-rtf needs TESTAMENT BOOK C:V-C:V FILE\n";
        return 2;
    }
    int fc = 0, fs = 0, tc = 0, ts = 0;
    if (!ParseVerseRange(operands[2], &fc, &fs, &tc, &ts)) {
        err << "Not a verse range: " << operands[2] << '\n';
        return 2;
    }
    const PassageChoice choice{operands[0],         operands[1],         QString::number(fc),
                               QString::number(fs), QString::number(tc), QString::number(ts)};
    QString text, error;
    if (!PassageTextFor(choice, &text, &error)) {
        err << error << '\n';
        return 2;
    }
    // The same pane the window writes from, filled and formatted the same way.
    QTextEdit pane;
    pane.setObjectName(QStringLiteral("txtBibleText"));
    pane.setPlainText(text);
    ApplyDefaultFont(&pane);
    if (!saveRtf(*pane.document(), operands[3], &error)) {
        err << "Cannot write " << operands[3] << ": " << error << '\n';
        return 1;
    }
    return 0;
}

} // namespace kivra
