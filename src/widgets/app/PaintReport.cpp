#include "app/PaintReport.h"

#include <QDateTime>
#include <QEvent>
#include <QLoggingCategory>
#include <QTimer>
#include <QWidget>
#include <ctime>

namespace kivra {
namespace {

Q_LOGGING_CATEGORY(startupLog, "kivra.startup", QtWarningMsg)

class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget* widget, std::function<void()> work) : QObject(widget), m_work(std::move(work))
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so the work starts after the paint has been drawn and flushed.
            QTimer::singleShot(0, this, [this] {
                m_work();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

} // namespace

void RunAfterFirstPaint(QWidget* widget, std::function<void()> work)
{
    new FirstPaintWatcher(widget, std::move(work));
}

static qint64 cpuMs()
{
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return qint64(cpu.tv_sec) * 1000 + cpu.tv_nsec / 1000000;
}

void ReportStartupStep(const char* step)
{
    if (startupLog().isDebugEnabled())
        qCDebug(startupLog, "%s at %lld ms, %lld ms of CPU", step, QDateTime::currentMSecsSinceEpoch(), cpuMs());
}

void ReportFirstPaint(QWidget* widget)
{
    if (startupLog().isDebugEnabled())
        RunAfterFirstPaint(widget, [] {
            ReportStartupStep("passage painted");
        });
}

} // namespace kivra
