#include "reading/BibleChooser.h"

#include "reading/ChosenBible.h"
#include "resources/Interaction.h"
#include "shelf/Shelf.h"

#include <QStandardItemModel>
#include <QStylePainter>

namespace kivra {
namespace {
// The short name shown when the description does not fit the closed box ("KJV", "WEB").
constexpr int ShortNameRole = Qt::UserRole + 1;
} // namespace

BibleChooser::BibleChooser(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("cboBible"));
    setAccessibleName(tr("Bible"));
    setToolTip(tr("The Bible to read and search"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
    addItem(BuiltInBibleDescription(), QString());
    setItemData(0, tr("KJV"), ShortNameRole);
    connect(this, &QComboBox::activated, this, &BibleChooser::choose);
}

void BibleChooser::focusInEvent(QFocusEvent* event)
{
    fillFromShelf();  // before the arrow keys move in the list
    QComboBox::focusInEvent(event);
}

// The closed box is as narrow as the column beside the go-to box: a description that would be cut
// gives way to the Bible's short name, whole. The list, the tooltip and a screen reader keep the
// description.
void BibleChooser::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QString shortName = currentData(ShortNameRole).toString();
    if (fontMetrics().horizontalAdvance(option.currentText) > field.width() && !shortName.isEmpty())
        option.currentText = fontMetrics().elidedText(shortName, Qt::ElideRight, field.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void BibleChooser::showPopup()
{
    fillFromShelf();
    QComboBox::showPopup();
}

void BibleChooser::fillFromShelf()
{
    if (m_filled)
        return;
    m_filled = true;
    WaitCursor wait;
    QList<ModuleInfo> bibles = Shelf::instance().modulesOf(ModuleKind::Bible, false);
    std::stable_sort(bibles.begin(), bibles.end(), [](const ModuleInfo& a, const ModuleInfo& b) {
        return a.description.localeAwareCompare(b.description) < 0;
    });
    auto* items = qobject_cast<QStandardItemModel*>(model());
    for (const ModuleInfo& bible : bibles) {
        // Two Bibles of one description (the KJV module beside the built-in one) are told apart by name.
        const bool taken = findText(bible.description) >= 0;
        addItem(taken ? tr("%1 (%2)").arg(bible.description, bible.name) : bible.description, bible.name);
        const int row = count() - 1;
        setItemData(row, bible.abbreviation.isEmpty() ? bible.name : bible.abbreviation, ShortNameRole);
        setItemData(row, tr("%1 (%2), module %3").arg(bible.description, bible.language, bible.name), Qt::ToolTipRole);
        if (!bible.usable() && items) {
            items->item(row)->setEnabled(false);
            setItemData(row, tr("%1 cannot be read: %2").arg(bible.name, bible.problem), Qt::ToolTipRole);
        }
        if (bible.name == ChosenBibleName())
            setCurrentIndex(m_chosen = row);
    }
}

void BibleChooser::choose(int index)
{
    if (index == m_chosen)
        return;
    QString error;
    bool chosen = false;
    {
        WaitCursor wait;  // the first choice of a module reads its whole text
        chosen = ChooseBible(itemData(index).toString(), &error);
    }
    if (!chosen) {
        setCurrentIndex(m_chosen);
        ShowMessage(Message::BibleNotReadable, window(), {error});
        return;
    }
    m_chosen = index;
    emit bibleChosen();
}

} // namespace kivra
