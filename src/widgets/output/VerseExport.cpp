#include "output/VerseExport.h"

#include "output/PlainTextPrinter.h"
#include "output/RtfWriter.h"
#include "resources/Interaction.h"
#include "resources/Strings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPrinter>

namespace kivra {

QString ProposedRtfFileName(const Passage& p)
{
    return QCoreApplication::translate("VerseExport", "%1 - %2 Chapter %3 Section %4 to  Chapter %5 Section %6")
        .arg(TestamentOf(p), p.book, QString::number(p.fromChapter), QString::number(p.fromVerse),
             QString::number(p.toChapter), QString::number(p.toVerse));
}

QString AskRtfFileName(QWidget* parent, const QString& proposedName, const QString& title)
{
    QString offered = proposedName;
    for (;;) {
        const QString path = interaction().saveFileName(
            parent, title, offered, QCoreApplication::translate("VerseExport", "Rich Text Format (*.rtf)"));
        if (path.isEmpty())
            return {};
        if (!QFileInfo::exists(path)
            || interaction().ask(title, LoadResString(Message::ReplaceExportFile).arg(QFileInfo(path).fileName()),
                                 parent))
            return path;
        offered = path;  // "No": choose another name
    }
}

bool SaveDocumentAsRtf(const QTextDocument& document, const QString& path, QWidget* parent)
{
    QString error;
    if (saveRtf(document, path, &error))
        return true;
    ShowMessage(Message::ExportFileNotWritten, parent, {path, error});
    return false;
}

bool PrintOnDefaultPrinter(const QString& text, const QFont& font, QWidget* parent, const QString& heading)
{
    const std::unique_ptr<QPrinter> printer = interaction().defaultPrinter();
    if (!printer) {
        ShowMessage(Message::NoDefaultPrinter, parent);
        return false;
    }
    QString error;
    if (!printPlainText(*printer, text, font, &error, heading)) {
        ShowMessage(Message::PrintFailed, parent, {error});
        return false;
    }
    return true;
}

} // namespace kivra

#include <QPrintPreviewDialog>

namespace kivra {

QFont VersePrintFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.5);
    return font;
}

bool PrintVerseText(const QString& text, QWidget* parent, const QString& heading)
{
    return PrintOnDefaultPrinter(text, VersePrintFont(), parent, heading);
}

void PreviewVerseText(const QString& text, QWidget* parent, const QString& heading)
{
    // The pages Print would print: laid out for the same printer, its paper and its resolution
    // (the dialog's own printer works at screen resolution and wraps lines elsewhere).
    std::unique_ptr<QPrinter> printer = interaction().defaultPrinter();
    if (!printer)
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintPreviewDialog preview(printer.get(), parent);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(heading.isEmpty() ? QCoreApplication::translate("VerseExport", "Print Preview")
                                             : QCoreApplication::translate("VerseExport",
                                                                           "Print Preview - %1").arg(heading));
    const QFont font = VersePrintFont();
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* previewPrinter) {
        QString error;
        if (!printPlainText(*previewPrinter, text, font, &error, heading))
            ShowMessage(Message::PrintFailed, &preview, {error});
    });
    preview.exec();
}

} // namespace kivra
