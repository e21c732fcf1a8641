#include "app/PaintReport.h"

#include <QDateTime>
#include <QEvent>
#include <QLoggingCategory>
#include <QTimer>
#include <QWidget>

namespace kivra {
namespace {

Q_LOGGING_CATEGORY(startupLog, "kivra.startup", QtWarningMsg)

class FirstPaintWatcher : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so the time is taken after the paint has been drawn and flushed.
            QTimer::singleShot(0, this, [this] {
                qCDebug(startupLog, "passage painted at %lld ms", QDateTime::currentMSecsSinceEpoch());
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

void ReportFirstPaint(QWidget* widget)
{
    if (startupLog().isDebugEnabled())
        widget->installEventFilter(new FirstPaintWatcher(widget));
}

} // namespace kivra
