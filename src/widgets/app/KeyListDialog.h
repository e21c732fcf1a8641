#pragma once
// Every key of the main window, from the key table (F1).
#include <QDialog>

class QTableWidget;

namespace kivra {

class KeyListDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeyListDialog(QWidget* parent = nullptr);
    QTableWidget* table() const { return m_table; }

private:
    QTableWidget* m_table;
};

} // namespace kivra
