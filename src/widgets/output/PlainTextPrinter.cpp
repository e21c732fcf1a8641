#include "output/PlainTextPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

namespace {

// Why QPainter::begin() failed, as far as the printer lets us tell.
QString beginFailure(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty())
            return QCoreApplication::translate("PlainTextPrinter",
                                               "There is no printer, and no file was chosen to print to.");
        return QCoreApplication::translate("PlainTextPrinter",
                                           "The file \"%1\" could not be written.").arg(printer.outputFileName());
    }
    return QCoreApplication::translate("PlainTextPrinter",
                                       "Printing on \"%1\" could not be started.").arg(printer.printerName());
}

} // namespace

namespace {

// A page a reader can file: the text within margins of 20 mm and, for a headed text, the heading
// over it and the page number under it.
constexpr qreal PageMarginMillimetres = 20;

struct PageFrame {
    QFont headingFont, footerFont;
    qreal headingHeight = 0;  // the heading's line and the gap under it; 0 without a heading
    qreal footerHeight = 0;   // the gap over the page number and its line
    QSizeF body;              // what is left for the text
};

PageFrame pageFrame(QPrinter& printer, const QFont& font, const QString& heading)
{
    PageFrame frame;
    frame.headingFont = font;
    frame.headingFont.setBold(true);
    if (font.pointSizeF() > 0)
        frame.headingFont.setPointSizeF(font.pointSizeF() * 1.25);
    frame.footerFont = font;
    const QFontMetricsF headingMetrics(frame.headingFont, &printer);
    const QFontMetricsF footerMetrics(frame.footerFont, &printer);
    if (!heading.isEmpty()) {
        frame.headingHeight = headingMetrics.height() * 2;
        frame.footerHeight = footerMetrics.height() * 2;
    }
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    frame.body = QSizeF(page.width(), std::max<qreal>(page.height() - frame.headingHeight - frame.footerHeight, 1));
    return frame;
}

void drawHeadingAndFooter(QPainter& painter, const PageFrame& frame, const QSizeF& page, const QString& heading,
                          int number, int pageCount)
{
    if (heading.isEmpty())
        return;
    painter.setFont(frame.headingFont);
    painter.drawText(QRectF(0, 0, page.width(), frame.headingHeight / 2), Qt::AlignLeft | Qt::AlignTop, heading);
    painter.setFont(frame.footerFont);
    const QRectF footer(0, page.height() - frame.footerHeight / 2, page.width(), frame.footerHeight / 2);
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                     QCoreApplication::translate("PlainTextPrinter", "Page %1 of %2").arg(number).arg(pageCount));
}

} // namespace

bool printPlainText(QPrinter& printer, const QString& text, const QFont& font, QString* error, const QString& heading)
{
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };

    if (!printer.isValid())
        return fail(QCoreApplication::translate("PlainTextPrinter",
                                                "The printer \"%1\" is not available.").arg(printer.printerName()));
    printer.setPageMargins(QMarginsF(PageMarginMillimetres, PageMarginMillimetres, PageMarginMillimetres,
                                     PageMarginMillimetres),
                           QPageLayout::Millimeter);

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
    const PageFrame frame = pageFrame(printer, font, heading);
    document.setPageSize(frame.body);
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
            return fail(QCoreApplication::translate("PlainTextPrinter", "The printer could not start a new page."));
        }
        painter.save();
        painter.translate(origin);
        drawHeadingAndFooter(painter, frame, printable.size(), heading, number, pageCount);
        // The layout has already moved lines that would straddle a page to the next one, so each
        // page is a plain window onto the document.
        const QRectF window(0, (number - 1) * frame.body.height(), frame.body.width(), frame.body.height());
        painter.translate(0, frame.headingHeight - window.top());
        // A line the layout put right on a page boundary belongs to one page only: rounding must not
        // let it touch the other one, or it would be printed (clipped, but in the file) twice.
        document.drawContents(&painter, window.adjusted(0, 0.5, 0, -0.5));
        painter.restore();
    }

    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return fail(QCoreApplication::translate("PlainTextPrinter", "Printing could not be finished."));
    return true;
}

QString defaultPrinterName()
{
    return QPrinterInfo::defaultPrinter().printerName();
}
