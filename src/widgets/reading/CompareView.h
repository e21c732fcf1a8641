#pragma once
// The compare window: a passage in two or three Bibles side by side, one row per verse, so the
// columns scroll together and each verse stays level with its fellows.
#include "reading/Passage.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QTableWidget;

namespace kivra {

class CompareView : public QWidget {
    Q_OBJECT
public:
    // Opens on the passage with the chosen Bible and the built-in one (or the first other Bible).
    explicit CompareView(const Passage& passage, QWidget* parent = nullptr);

    QTableWidget* grid() const { return m_grid; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fill();

    Passage m_passage;
    QList<QComboBox*> m_choosers;
    QLabel* m_problems;
    QTableWidget* m_grid;
};

} // namespace kivra
