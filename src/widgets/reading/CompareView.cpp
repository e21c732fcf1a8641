#include "reading/CompareView.h"

#include "reading/ChosenBible.h"
#include "reading/Comparison.h"
#include "reading/LocalBookNames.h"
#include "resources/Interaction.h"
#include "shelf/Shelf.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kivra {

CompareView::CompareView(const Passage& passage, QWidget* parent) : QWidget(parent, Qt::Window), m_passage(passage)
{
    setObjectName(QStringLiteral("frmCompare"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Compare Bibles: %1 %2:%3-%4:%5")
                       .arg(ShownBookName(passage.book)).arg(passage.fromChapter).arg(passage.fromVerse).arg(passage.toChapter)
                       .arg(passage.toVerse));
    WaitCursor wait;
    QStringList names = {QString()};
    QStringList descriptions = {BuiltInBibleDescription()};
    for (const ModuleInfo& bible : Shelf::instance().modulesOf(ModuleKind::Bible)) {
        names << bible.name;
        descriptions << bible.description;
    }
    // The chosen Bible first, then the first other one, then none.
    QList<int> preset = {int(names.indexOf(ChosenBibleName())), -1, -1};
    preset[1] = preset[0] == 0 ? (names.size() > 1 ? 1 : -1) : 0;

    auto* choices = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* chooser = new QComboBox(this);
        chooser->setObjectName(QStringLiteral("cboCompareBible%1").arg(i + 1));
        chooser->setAccessibleName(tr("Bible %1").arg(i + 1));
        chooser->addItem(tr("(none)"), QStringLiteral("-"));
        for (int b = 0; b < names.size(); ++b)
            chooser->addItem(descriptions[b], names[b]);
        chooser->setCurrentIndex(preset[i] + 1);
        connect(chooser, &QComboBox::currentIndexChanged, this, &CompareView::fill);
        choices->addWidget(chooser);
        m_choosers << chooser;
    }
    m_problems = new QLabel(this);
    m_problems->setObjectName(QStringLiteral("lblCompareProblems"));
    m_problems->setWordWrap(true);
    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("grdCompare"));
    m_grid->setAccessibleName(tr("Verses side by side"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(true);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_problems);
    layout->addWidget(m_grid, 1);
    resize(900, 600);
    fill();
}

void CompareView::fill()
{
    WaitCursor wait;
    QStringList bibles, headers;
    for (QComboBox* chooser : m_choosers) {
        const QString name = chooser->currentData().toString();
        if (name == QLatin1String("-"))
            continue;
        bibles << name;
        headers << chooser->currentText();
    }
    QStringList problems;
    const QList<ComparedVerse> verses = CompareBibles(bibles, m_passage, &problems);
    m_problems->setText(problems.join(QLatin1Char('\n')));
    m_problems->setVisible(!problems.isEmpty());
    m_grid->clear();
    m_grid->setColumnCount(int(bibles.size()));
    m_grid->setHorizontalHeaderLabels(headers);
    m_grid->setRowCount(int(verses.size()));
    QStringList references;
    for (int row = 0; row < verses.size(); ++row) {
        references << (verses[row].verse == 0 ? tr("%1:title").arg(verses[row].chapter)
                                               : QStringLiteral("%1:%2").arg(verses[row].chapter).arg(verses[row].verse));
        for (int column = 0; column < bibles.size(); ++column)
            m_grid->setItem(row, column, new QTableWidgetItem(verses[row].texts.value(column)));
    }
    m_grid->setVerticalHeaderLabels(references);
}

void CompareView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_grid->resizeRowsToContents();  // the wrapped texts take the height the new width gives them
}

} // namespace kivra
