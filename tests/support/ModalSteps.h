#pragma once
// Drives the modal windows a user action opens, one after the other, with keys and clicks.
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

// Armed steps; on leaving scope, a step whose window never came up fails the test.
class [[nodiscard]] ModalRun {
public:
    struct State;
    explicit ModalRun(std::shared_ptr<State> state) : m_state(std::move(state)) {}
    ModalRun(ModalRun&&) = default;
    ~ModalRun();

private:
    std::shared_ptr<State> m_state;
};

// Arms the steps; a window that does not come up in a few seconds closes every modal, so nothing hangs.
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
