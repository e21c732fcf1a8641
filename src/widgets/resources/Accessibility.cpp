#include "resources/Accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace kivra {
namespace {

const char* const TabProperty = "kivraReadAsTab";

class TabButtonReader : public QAccessibleWidget {
public:
    explicit TabButtonReader(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::PageTab) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = button()->isChecked();
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->click();
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* tabReaderFactory(const QString&, QObject* object)
{
    auto* button = qobject_cast<QAbstractButton*>(object);
    return button && button->property(TabProperty).toBool() ? new TabButtonReader(button) : nullptr;
}

} // namespace

void ReadAsTab(QAbstractButton* button)
{
    static const bool installed = [] {
        QAccessible::installFactory(tabReaderFactory);
        return true;
    }();
    Q_UNUSED(installed);
    button->setProperty(TabProperty, true);
    button->setCheckable(true);
    // The selected state follows the checked one; tell a reader when it changes.
    QObject::connect(button, &QAbstractButton::toggled, button, [button] {
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(button, changed);
        QAccessible::updateAccessibility(&event);
    });
}

QString NameFromCaption(const QString& caption)
{
    QString name = caption;
    name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    name.remove(QRegularExpression(QStringLiteral("\\s*:\\s*$")));
    return name.trimmed();
}

void LabelFor(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    // A list box is read by its label (on Linux a combo box's own name is its value): a control
    // named apart from its caption ("From verse" under "Section:") lends the label that name.
    if (control->accessibleName().isEmpty())
        control->setAccessibleName(NameFromCaption(label->text()));
    else if (control->accessibleName() != NameFromCaption(label->text()))
        label->setAccessibleName(control->accessibleName());
}

void NameUnnamedControls(QWidget* root)
{
    for (QLabel* label : root->findChildren<QLabel*>())
        if (label->buddy() && label->buddy()->accessibleName().isEmpty())
            label->buddy()->setAccessibleName(NameFromCaption(label->text()));
    // "Print (Ctrl+P)": the key is the shortcut's to tell, not part of the name.
    static const QRegularExpression keyHint(QStringLiteral("\\s*\\([^()]*\\)$"));
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        if (button->accessibleName().isEmpty() && button->text().isEmpty())
            button->setAccessibleName(qobject_cast<QLineEdit*>(button->parentWidget())
                                          ? QLineEdit::tr("Clear text")  // a box's clear button
                                          : QString(button->toolTip()).remove(keyHint));
}

} // namespace kivra
