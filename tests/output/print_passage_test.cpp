// A printed passage a reader can file: heading, page numbers and margins, read back from the PDF; and
// the print preview, opened by its shortcut and from the passage's context menu.
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

#include <functional>

using kivra::test::Child;

using namespace kivra;

namespace {

// The text of each page and the box around all its words, in points, as pdftotext finds them.
struct PdfPage {
    QString text;
    QRectF paper, words;
};

QList<PdfPage> pdfPages(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000))
        return {};
    static const QRegularExpression page(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"));
    QList<PdfPage> pages;
    for (const QString& chunk : QString::fromUtf8(p.readAllStandardOutput()).split(QStringLiteral("</page>"))) {
        const auto pm = page.match(chunk);
        if (!pm.hasMatch())
            continue;
        PdfPage out{{}, QRectF(0, 0, pm.captured(1).toDouble(), pm.captured(2).toDouble()), {}};
        for (auto it = word.globalMatch(chunk); it.hasNext();) {
            const auto w = it.next();
            out.text += w.captured(5) + QLatin1Char(' ');
            out.words |= QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()));
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
        ASSERT_TRUE(window->goToReference(QStringLiteral("Ps 119")));  // long enough for several pages
    }
    QList<PdfPage> printedPages()
    {
        const QString pdf = out.filePath(QStringLiteral("passage.pdf"));
        folder.ui().printerPdfFile = pdf;
        QTest::mouseClick(Child<QToolButton>(*window, "imgPrint"), Qt::LeftButton);
        EXPECT_TRUE(folder.ui().messages.isEmpty()) << folder.ui().messageTexts.join(' ').toStdString();
        return pdfPages(pdf);
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

TEST_F(PassagePrint, EveryPageCarriesTheReferenceAndItsNumberWithinMarginsOfTwentyMillimetres)
{
    const QList<PdfPage> pages = printedPages();
    ASSERT_GE(pages.size(), 2);
    QString all;
    for (int i = 0; i < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].text.contains(QStringLiteral("Psalms 119:1-176"))) << i;
        EXPECT_TRUE(pages[i].text.contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size()))) << i;
        // Nothing within 20 mm of the paper's edges, and the text starts at the margin, not further in.
        const double margin = 20 * 72 / 25.4;
        const QRectF inside = pages[i].paper.adjusted(margin - 1, margin - 1, 1 - margin, 1 - margin);
        EXPECT_TRUE(inside.contains(pages[i].words)) << i;
        EXPECT_LT(pages[i].words.left(), inside.left() + 10);
        EXPECT_LT(pages[i].words.top(), inside.top() + 10);
        all += pages[i].text;
    }
    EXPECT_TRUE(all.contains(QStringLiteral("Thy word is a lamp unto my feet")));
}

TEST_F(PassagePrint, PreviewShowsThePrintedPagesFromItsShortcutAndTheContextMenu)
{
    const int printed = int(printedPages().size());
    ASSERT_GE(printed, 2);
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
    QWidget* pane = Child<QTextEdit>(*window, "txtBibleText")->viewport();
    QContextMenuEvent request(QContextMenuEvent::Mouse, pane->rect().center(), pane->mapToGlobal(pane->rect().center()));
    QApplication::sendEvent(pane, &request);
    EXPECT_EQ(shown, printed);
}
