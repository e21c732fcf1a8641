#pragma once
// Drives the modal windows a user action opens, one after the other, as a user would: each step
// waits until a window of its class is the active modal one, then acts on it (keys, clicks). A step
// may open the next window; the following step waits inside it.
#include "support/ScriptedInteraction.h"

#include <QList>
#include <functional>
#include <memory>

class QWidget;

namespace kivra::test {

struct ModalStep {
    const char* windowClass;  // e.g. "QFontDialog"
    std::function<void(QWidget*)> act;
};

// Steps armed by RunOnModals. When it goes out of scope, every step must have found its window: one
// that never came up fails the test there (after a short wait for a window opened by a queued event),
// so an action that opens nothing cannot pass.
class [[nodiscard]] ModalRun {
public:
    struct State;
    explicit ModalRun(std::shared_ptr<State> state) : m_state(std::move(state)) {}
    ModalRun(ModalRun&&) = default;
    ~ModalRun();

private:
    std::shared_ptr<State> m_state;
};

// Arms the steps; run the action that opens the first window while the returned ModalRun lives. A
// step whose window does not come up within a few seconds closes every modal window, so a failing
// test does not hang.
ModalRun RunOnModals(QList<ModalStep> steps);

// Presses Enter where the user's typing goes in window (the default button takes it).
void PressEnter(QWidget* window);

// The real dialogs for fonts, colours, files and questions; messages are still recorded.
class RealDialogs : public ScriptedInteraction {
public:
    bool ask(const QString& title, const QString& text, QWidget* parent) override
    {
        return Interaction::ask(title, text, parent);
    }
    QString saveFileName(QWidget* parent, const QString& title, const QString& initialName,
                         const QString& filter) override
    {
        return Interaction::saveFileName(parent, title, initialName, filter);
    }
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override
    {
        return Interaction::chooseFont(parent, initial);
    }
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override
    {
        return Interaction::chooseColour(parent, initial);
    }
};

} // namespace kivra::test
