// A printed passage a reader can file: heading, page numbers and margins, read back from the PDF; and
// the print preview, opened by its shortcut and from the passage's context menu.
#include "storage/DataControl.h"
#include "support/MachineNeeds.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace kivra;

namespace {

constexpr double PointsPerMillimetre = 72.0 / 25.4;

struct WordBox {
    double xMin, yMin, xMax, yMax;
};

struct PdfPage {
    double width = 0, height = 0;
    QList<WordBox> words;
};

// Where pdftotext finds each word, page by page.
QList<PdfPage> pdfWordBoxes(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000))
        return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression page(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re"));
    QList<PdfPage> pages;
    for (const QString& chunk : html.split(QStringLiteral("</page>"))) {
        const auto pm = page.match(chunk);
        if (!pm.hasMatch())
            continue;
        PdfPage out{pm.captured(1).toDouble(), pm.captured(2).toDouble(), {}};
        for (auto it = word.globalMatch(chunk); it.hasNext();) {
            const auto wm = it.next();
            out.words << WordBox{wm.captured(1).toDouble(), wm.captured(2).toDouble(), wm.captured(3).toDouble(),
                                 wm.captured(4).toDouble()};
        }
        pages << out;
    }
    return pages;
}

class PassagePrint : public test::MainWindowTest {
protected:
    void SetUp() override
    {
        test::MainWindowTest::SetUp();
        KIVRA_NEEDS(test::lacksProgram(QStringLiteral("pdftotext"), "poppler-utils"));
        ASSERT_TRUE(out.isValid());
        ASSERT_TRUE(window->GoToReference(QStringLiteral("Ps 119")));  // long enough for several pages
    }
    QStringList printedPages()
    {
        const QString pdf = out.filePath(QStringLiteral("passage.pdf"));
        folder.ui().printerPdfFile = pdf;
        QTest::mouseClick(window->imgPrint, Qt::LeftButton);
        EXPECT_TRUE(folder.ui().messages.isEmpty()) << folder.ui().messageTexts.join(' ').toStdString();
        QStringList pages = test::pdfText(pdf).split(QLatin1Char('\f'));
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }
    // Runs step on the print preview once it is shown, then closes it.
    void onPreview(std::function<void(QPrintPreviewDialog*)> step)
    {
        QTimer::singleShot(0, [step] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(preview, nullptr);
            step(preview);
            preview->reject();
        });
    }
    static int previewPages(QPrintPreviewDialog* preview)
    {
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        return widget ? widget->pageCount() : -1;
    }
    QTemporaryDir out;
};

} // namespace

TEST_F(PassagePrint, EveryPageCarriesTheReferenceAndItsNumber)
{
    const QStringList pages = printedPages();
    ASSERT_GE(pages.size(), 2);
    for (int i = 0; i < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Psalms 119:1-176"))) << i;
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size()))) << i;
    }
    EXPECT_TRUE(pages.join(' ').simplified().contains(QStringLiteral("Thy word is a lamp unto my feet")));
}

TEST_F(PassagePrint, TheTextKeepsMarginsOfTwentyMillimetres)
{
    printedPages();
    const QList<PdfPage> pages = pdfWordBoxes(out.filePath(QStringLiteral("passage.pdf")));
    ASSERT_GE(pages.size(), 2);
    const double margin = 20 * PointsPerMillimetre;
    for (const PdfPage& page : pages) {
        ASSERT_FALSE(page.words.isEmpty());
        double left = page.width, top = page.height;
        for (const WordBox& w : page.words) {
            EXPECT_GE(w.xMin, margin - 1);
            EXPECT_GE(w.yMin, margin - 1);
            EXPECT_LE(w.xMax, page.width - margin + 1);
            EXPECT_LE(w.yMax, page.height - margin + 1);
            left = std::min(left, w.xMin);
            top = std::min(top, w.yMin);
        }
        // The text starts at the margin, not somewhere further in.
        EXPECT_LT(left, margin + 3 * PointsPerMillimetre);
        EXPECT_LT(top, margin + 3 * PointsPerMillimetre);
    }
}

TEST_F(PassagePrint, PreviewShowsThePrintedPagesFromItsShortcutAndTheContextMenu)
{
    const int printed = int(printedPages().size());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    int shown = -1;
    onPreview([&](QPrintPreviewDialog* preview) { shown = previewPages(preview); });
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(shown, printed);

    shown = -1;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* entry = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QStringLiteral("Print Preview")))
                entry = action;
        ASSERT_NE(entry, nullptr);
        onPreview([&](QPrintPreviewDialog* preview) { shown = previewPages(preview); });
        menu->setActiveAction(entry);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QWidget* pane = window->txtBibleText->viewport();
    QContextMenuEvent request(QContextMenuEvent::Mouse, pane->rect().center(), pane->mapToGlobal(pane->rect().center()));
    QApplication::sendEvent(pane, &request);
    EXPECT_EQ(shown, printed);
}
