#include "app/KeyListDialog.h"

#include "resources/Keys.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kivra {

KeyListDialog::KeyListDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmKeys"));
    setWindowTitle(tr("Keys"));
    const QList<KeyBinding>& keys = KeyTable();
    m_table = new QTableWidget(int(keys.size()), 2, this);
    m_table->setObjectName(QStringLiteral("tblKeys"));
    m_table->setAccessibleName(tr("Keys"));
    m_table->setHorizontalHeaderLabels({tr("Key"), tr("What it does")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setTabKeyNavigation(false);
    for (int row = 0; row < keys.size(); ++row) {
        m_table->setItem(row, 0, new QTableWidgetItem(KeyText(keys[row])));
        m_table->setItem(row, 1, new QTableWidgetItem(KeyDescription(keys[row])));
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setCurrentCell(0, 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(560, 520);
}

} // namespace kivra
