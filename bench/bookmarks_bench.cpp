// The bookmark panel and the bookmark editor with 10,000 bookmarks, each linked to three others.
// Goal: under 300 ms for loading the panel and for opening the editor (also from the panel's Edit
// button, as a user opens it); under a second for moving
// onto a bookmark with 10 MB of notes in one paragraph.
#include "app/MainWindow.h"
#include "bookmarks/BookmarkEditor.h"
#include "storage/Globals.h"
#include "support/Fixture.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>

#include <QApplication>
#include <QSqlQuery>
#include <QTimer>
#include <benchmark/benchmark.h>

using namespace kivra;

namespace {

constexpr int BookmarkCount = 10000;

// 10,000 bookmarks over Genesis to Deuteronomy-like ranges, with a few links each, written once.
bool generateBookmarks()
{
    QSqlDatabase db = OptionsConnection();
    if (!db.transaction())
        return false;
    QSqlQuery add(db);
    add.prepare(QStringLiteral("INSERT INTO \"tblBookmark\" (\"BookMarkTestament\", \"BookMarkBook\", \"BookMarkChapter\","
                               " \"BookMarkSection\", \"BookMarkToBook\", \"BookMarkToChapter\", \"BookMarkToSection\","
                               " \"BookMarkNotes\", \"BookmarkReference\", \"BookmarkHooker\") VALUES (?,?,?,?,?,?,?,?,?,?)"));
    QSqlQuery link(db);
    link.prepare(QStringLiteral("INSERT INTO \"tblBookmark_Relation\" VALUES (?, ?)"));
    const QStringList books = {QStringLiteral("Genesis"), QStringLiteral("Exodus"), QStringLiteral("Leviticus"),
                               QStringLiteral("Numbers")};
    auto reference = [](int i) { return QStringLiteral("0123456%1").arg(i); };
    for (int i = 0; i < BookmarkCount; ++i) {
        const int chapter = i % 25 + 1;
        for (const QVariant& v :
             QVariantList{QStringLiteral("Old Testament"), books.at(i % books.size()), chapter, 1, books.at(i % books.size()),
                          chapter, 5 + i % 10, QStringLiteral("Notes of bookmark %1").arg(i), reference(i), reference(i)})
            add.addBindValue(v);
        if (!add.exec())
            return false;
        for (int k = 1; k <= 3; ++k) {
            link.addBindValue(reference(i));
            link.addBindValue(reference((i + k * 37) % BookmarkCount));
            if (!link.exec())
                return false;
        }
    }
    return db.commit();
}

struct Environment {
    kivra::test::TempProgramFolder folder;
    bool ready = folder.ok() && generateBookmarks();
};

Environment& environment()
{
    static Environment env;
    return env;
}

void BM_LoadBookmarkPanel(benchmark::State& state)
{
    if (!environment().ready) {
        state.SkipWithError("no program folder");
        return;
    }
    MainWindow w;
    w.load();
    w.restoreLastPassage();
    for (auto _ : state) {
        w.findChild<QToolButton*>(QStringLiteral("imgBookmark"))->click();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w.findChild<QListWidget*>(QStringLiteral("lstBookmark")));
    }
}
BENCHMARK(BM_LoadBookmarkPanel)->Unit(benchmark::kMillisecond);

// Opening on a bookmarked range: the list, the marks of its links, the selectors and the notes.
void BM_OpenBookmarkEditor(benchmark::State& state)
{
    if (!environment().ready) {
        state.SkipWithError("no program folder");
        return;
    }
    for (auto _ : state) {
        BookmarkEditor editor;
        editor.load({QStringLiteral("Exodus"), 6, 1, 6, 10});  // bookmark 5
        editor.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(editor.lstBookmark);
    }
}
BENCHMARK(BM_OpenBookmarkEditor)->Unit(benchmark::kMillisecond);

// The user's way to the editor: Edit on the panel's selected bookmark, until the editor is on screen.
void BM_EditBookmarkFromPanel(benchmark::State& state)
{
    if (!environment().ready) {
        state.SkipWithError("no program folder");
        return;
    }
    MainWindow w;
    w.load();
    w.show();
    w.findChild<QToolButton*>(QStringLiteral("imgBookmark"))->click();
    w.findChild<QListWidget*>(QStringLiteral("lstBookmark"))->setCurrentRow(5);
    auto* edit = w.findChild<QToolButton*>(QStringLiteral("imgEditBookmark"));
    for (auto _ : state) {
        QTimer::singleShot(0, [] {
            if (QWidget* editor = QApplication::activeModalWidget())
                editor->close();
        });
        edit->click();
    }
}
BENCHMARK(BM_EditBookmarkFromPanel)->Unit(benchmark::kMillisecond);

// Notes as large as an exchange file may bring, without a line break: the panel's notes box.
void BM_ShowTenMegabyteNotes(benchmark::State& state)
{
    if (!environment().ready) {
        state.SkipWithError("no program folder");
        return;
    }
    QString notes;
    while (notes.size() < 10 * 1024 * 1024)
        notes += QStringLiteral("grace and peace ");
    QSqlQuery set(OptionsConnection());
    set.prepare(QStringLiteral("UPDATE \"tblBookmark\" SET \"BookMarkNotes\" = ? WHERE \"BookmarkReference\" = ?"));
    set.addBindValue(notes);
    set.addBindValue(QStringLiteral("01234561"));
    if (!set.exec()) {
        state.SkipWithError("notes not written");
        return;
    }
    MainWindow w;
    w.load();
    w.show();
    w.findChild<QToolButton*>(QStringLiteral("imgBookmark"))->click();
    auto* bookmarks = w.findChild<QListWidget*>(QStringLiteral("lstBookmark"));
    for (auto _ : state) {
        bookmarks->setCurrentRow(0);
        bookmarks->setCurrentRow(1);  // bookmark 1 holds the notes
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(w.findChild<QPlainTextEdit*>(QStringLiteral("txtBookmarkNotes")));
    }
}
BENCHMARK(BM_ShowTenMegabyteNotes)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
