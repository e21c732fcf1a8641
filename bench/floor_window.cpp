// The floor for the start-up benchmark: the least a Qt program can do to show Genesis 1, a bare
// window with a QTextEdit filled from the same Bible database. It reports its first paint the way
// the program does, so bench/startup.sh can time both in turns.
#include <QApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

class PaintReporter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                timespec cpu{};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::fprintf(stderr, "passage painted at %lld ms, %lld ms of CPU\n",
                             static_cast<long long>(QDateTime::currentMSecsSinceEpoch()),
                             static_cast<long long>(cpu.tv_sec) * 1000 + cpu.tv_nsec / 1000000);
            });
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QCoreApplication::applicationDirPath() + QStringLiteral("/Db/dbBible.dat"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    QString text;
    if (db.open()) {
        QSqlQuery query(QStringLiteral(R"(SELECT "Sections", "Text" FROM "tblBible")"
                                       R"( WHERE "BookAbbreviation" = 'Gen' AND "Chapter" = 1 ORDER BY "ID")"));
        while (query.next())
            text += QStringLiteral("(1:%1) %2\n").arg(query.value(0).toString(), query.value(1).toString());
    }
    QTextEdit view;
    view.setReadOnly(true);
    view.setPlainText(text);
    view.resize(900, 600);
    PaintReporter reporter;
    view.viewport()->installEventFilter(&reporter);
    view.show();
    return app.exec();
}
