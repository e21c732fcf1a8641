#include "support/ModalSteps.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace kivra::test {

struct ModalRun::State {
    QList<ModalStep> steps;
    // A fresh timer per step: a timer does not fire again while its slot is blocked in the next window.
    std::vector<std::unique_ptr<QTimer>> timers;
    bool gaveUp = false;
};

namespace {

void CloseModals()
{
    for (int i = 0; i < 5 && QApplication::activeModalWidget(); ++i)
        QApplication::activeModalWidget()->close();
}

void Arm(const std::shared_ptr<ModalRun::State>& state)
{
    if (state->steps.isEmpty())
        return;
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(10);
    QTimer* raw = timer.get();
    std::weak_ptr<ModalRun::State> weak = state;
    auto tries = std::make_shared<int>(0);
    QObject::connect(raw, &QTimer::timeout, [weak, raw, tries] {
        auto locked = weak.lock();
        if (!locked || locked->steps.isEmpty()) {
            raw->stop();
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->inherits(locked->steps.first().windowClass)) {
            if (++*tries < 500)
                return;
            raw->stop();
            locked->gaveUp = true;
            CloseModals();
            return;
        }
        raw->stop();
        const ModalStep step = locked->steps.takeFirst();
        Arm(locked);
        step.act(modal);
    });
    timer->start();
    state->timers.push_back(std::move(timer));
}

} // namespace

ModalRun RunOnModals(QList<ModalStep> steps)
{
    auto state = std::make_shared<ModalRun::State>();
    state->steps = std::move(steps);
    Arm(state);
    return ModalRun(state);
}

ModalRun::~ModalRun()
{
    if (!m_state)
        return;
    // A window opened by a queued event after the action returned still counts.
    for (int waited = 0; !m_state->steps.isEmpty() && !m_state->gaveUp && waited < 200; ++waited)
        QTest::qWait(10);
    for (auto& timer : m_state->timers)
        timer->stop();
    for (const ModalStep& step : std::as_const(m_state->steps))
        ADD_FAILURE() << "no " << step.windowClass << " came up";
    if (!m_state->steps.isEmpty())
        CloseModals();
}

void PressEnter(QWidget* window)
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key_Return);
}

} // namespace kivra::test
