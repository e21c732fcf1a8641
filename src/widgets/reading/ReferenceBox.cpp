#include "reading/ReferenceBox.h"

#include "reading/BookCatalogue.h"
#include "resources/Interaction.h"

namespace kivra {

ReferenceBox::ReferenceBox(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("txtGoToReference"));
    setPlaceholderText(tr("Go to, e.g. John 3:16"));
    setToolTip(tr("Go to a reference such as John 3:16, Ps 23 or 1 Cor 13:4-7 (Ctrl+L)"));
    setClearButtonEnabled(true);
    connect(this, &QLineEdit::returnPressed, this, &ReferenceBox::goTo);
}

bool ReferenceBox::goTo()
{
    const QString typed = text().trimmed();
    if (typed.isEmpty())
        return false;
    Passage reference;
    QString error;
    if (!ParseReference(typed, *BibleBooks(), &reference, &error)) {
        ShowMessage(Message::ReferenceNotShown, this, {typed, error});
        return false;
    }
    selectAll();  // the next reference typed replaces this one
    emit referenceChosen(reference);
    return true;
}

} // namespace kivra
