#pragma once
// The commentary beside the reading pane: the chosen commentary's notes on the passage shown,
// following every change of passage, its references links that open the passage they name. A
// commentary that cannot be read is listed with the reason. Nothing is read before it is shown.
#include "reading/Passage.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QTextBrowser;

namespace kivra {

class CommentaryPane : public QWidget {
    Q_OBJECT
public:
    explicit CommentaryPane(QWidget* parent);

    // The notes on the passage (none: the pane keeps what it shows); read only while the pane is shown.
    void showPassage(const std::optional<Passage>& passage);
    QTextBrowser* notesBox() const { return m_notes; }
    QComboBox* chooser() const { return m_chooser; }

signals:
    void passageRequested(const Passage& passage);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillChooser();
    void refresh();

    QComboBox* m_chooser;
    QTextBrowser* m_notes;
    std::optional<Passage> m_passage;
    bool m_filled = false;
};

} // namespace kivra
