#include "output/PlainTextPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PlainTextPrinter", text);
}

// Why QPainter::begin() failed, as far as the printer lets us tell.
QString beginFailure(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty())
            return tr("There is no printer, and no file was chosen to print to.");
        return tr("The file \"%1\" could not be written.").arg(printer.outputFileName());
    }
    return tr("Printing on \"%1\" could not be started.").arg(printer.printerName());
}

} // namespace

bool printPlainText(QPrinter& printer, const QString& text, const QFont& font, QString* error)
{
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };

    if (!printer.isValid())
        return fail(tr("The printer \"%1\" is not available.").arg(printer.printerName()));

    QTextDocument document;
    document.setDefaultFont(font);
    QTextOption option = document.defaultTextOption();
    // A word longer than the line is still broken rather than cut off at the margin.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    document.setPlainText(text);
    // The printer's margins already frame the page; the document's own margin would add to them.
    document.setDocumentMargin(0);
    // Measure the text at the printer's resolution so the wrapping matches what is printed.
    document.documentLayout()->setPaintDevice(&printer);
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    const QSizeF page = printable.size();
    document.setPageSize(page);
    // A full-page printer puts the painter's origin at the paper's corner, not the margin's.
    const QPointF origin = printer.fullPage() ? printable.topLeft() : QPointF();

    const int pageCount = document.pageCount();
    int first = 1;
    int last = pageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = std::min(pageCount, std::max(first, printer.toPage()));
    }
    if (first > last) {
        return fail(QCoreApplication::translate(
            "PlainTextPrinter", "The chosen pages lie beyond the end of the text, which has %n page(s).", nullptr,
            pageCount));
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return fail(beginFailure(printer));

    for (int number = first; number <= last; ++number) {
        if (number > first && !printer.newPage()) {
            painter.end();
            return fail(tr("The printer could not start a new page."));
        }
        // The layout has already moved lines that would straddle a page to the next one, so each
        // page is a plain window onto the document.
        const QRectF window(0, (number - 1) * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(origin.x(), origin.y() - window.top());
        document.drawContents(&painter, window);
        painter.restore();
    }

    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return fail(tr("Printing could not be finished."));
    return true;
}

QString defaultPrinterName()
{
    return QPrinterInfo::defaultPrinter().printerName();
}
