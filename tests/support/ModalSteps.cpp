#include "support/ModalSteps.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace kivra::test {

void RunOnModals(QList<ModalStep> steps)
{
    if (steps.isEmpty())
        return;
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, steps, tries]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->inherits(steps.first().windowClass)) {
            if (++*tries < 500)
                return;
            ADD_FAILURE() << "no " << steps.first().windowClass << " came up";
            timer->stop();
            timer->deleteLater();
            for (int i = 0; i < 5 && QApplication::activeModalWidget(); ++i)
                QApplication::activeModalWidget()->close();
            return;
        }
        timer->stop();
        timer->deleteLater();
        const ModalStep step = steps.takeFirst();
        RunOnModals(steps);  // armed before acting: the action may block in the next window
        step.act(modal);
    });
    timer->start();
}

void PressEnter(QWidget* window)
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key_Return);
}

} // namespace kivra::test
