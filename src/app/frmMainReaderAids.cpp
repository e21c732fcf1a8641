// Aids readers of other Bible programs reach for: going to a typed reference.
#include "app/frmMain.h"

#include "reading/ReferenceBox.h"

#include <QLabel>
#include <QShortcut>

namespace kivra {

void frmMain::connectReaderAids()
{
    // Over the tab pictures, on the line of the search box: a place no documented control uses.
    QWidget* central = centralWidget();
    auto* caption = new QLabel(QStringLiteral("Go to"), central);
    caption->setObjectName(QStringLiteral("lblGoToReference"));
    caption->setGeometry(8, 64, 40, 19);
    txtGoToReference = new ReferenceBox(central);
    txtGoToReference->setGeometry(48, 64, 193, 19);
    caption->setBuddy(txtGoToReference);
    connect(txtGoToReference, &ReferenceBox::referenceChosen, this, &frmMain::ShowReference);
    auto* goTo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    goTo->setObjectName(QStringLiteral("txtGoToReferenceShortcut"));
    connect(goTo, &QShortcut::activated, this, [this] {
        txtGoToReference->setFocus(Qt::ShortcutFocusReason);
        txtGoToReference->selectAll();
    });
}

bool frmMain::GoToReference(const QString& text)
{
    txtGoToReference->setText(text);
    return txtGoToReference->goTo();
}

void frmMain::ShowReference(const BibleReference& reference)
{
    const PassageChoice choice = ChoiceFor(reference);
    LoadBibleTextOnDemand(choice.testament, choice.book, choice.fromChapter, choice.fromSection, choice.toChapter,
                          choice.toSection);
}

} // namespace kivra
