#pragma once
// The Bible chooser beside the go-to box: the built-in King James Version first, then every Bible of
// the SWORD shelf by its description. The shelf is read the first time the chooser is used, so the
// program starts without it; a Bible that cannot be read is listed greyed out with the reason.
#include <QComboBox>

namespace kivra {

class BibleChooser : public QComboBox {
    Q_OBJECT
public:
    explicit BibleChooser(QWidget* parent = nullptr);

    void showPopup() override;
    // Lists the shelf's Bibles (once).
    void fillFromShelf();

signals:
    // The chosen Bible changed (see ChosenBible); the passage, selectors and searches follow it.
    void bibleChosen();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void choose(int index);

    bool m_filled = false;
    int m_chosen = 0;
};

} // namespace kivra
