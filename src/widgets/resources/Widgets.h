#pragma once
// Small widgets the windows share: image buttons and caption labels that act like their buttons.
#include <QLabel>
#include <QToolButton>

#include <algorithm>
#include <functional>

class QAbstractScrollArea;
class QLayout;
class QFrame;
class QPlainTextEdit;

namespace kivra {

// Notes of any length stay quick to show. A plain-text box lays out each paragraph as a whole, so a
// paragraph longer than this is shown in pieces, each on its own lines (broken at a blank where
// there is one near the limit).
constexpr int NotesParagraphLimit = 20000;

// What a right click on verses (the passage, a search result) offers.
struct VerseMenuActions {
    std::function<void(bool withReference)> copy;
    std::function<void()> bookmark;
    std::function<void()> preview;
    std::function<void()> readAloud;
    std::function<void()> commentary;  // shows or hides the commentary beside the passage; none: not offered
};
// The verse menu at a point of the view's viewport; returns when it closes.
void ShowVerseMenu(QAbstractScrollArea* view, const QPoint& at, const VerseMenuActions& actions);
QString NotesInPieces(const QString& notes);

// Shows notes in a box that only shows them.
void ShowNotes(QPlainTextEdit* box, const QString& notes);
// Puts notes into a box where they are edited. Notes that must be shown in pieces cannot be edited
// there without changing them: the box then shows them read-only and NotesOf gives them unchanged.
void EditNotes(QPlainTextEdit* box, const QString& notes);
QString NotesOf(const QPlainTextEdit* box);

// A flat button showing the icon of objectName at the given size.
QToolButton* MakeImageButton(QWidget* parent, const QString& objectName, int size = 24);

// The sunken frame drawn around a pane: the pane sits in it on a layout, `inside` pixels from its
// edges.
QFrame* FramePane(QWidget* pane, const char* frameName, const QMargins& inside);

// Names a control the window creates; returns it for further settings.
template <typename T> T* Named(T* widget, const char* objectName)
{
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

// A caption beside its 24-pixel picture: 4 below the picture's top.
QLayout* CaptionBeside(QLabel* caption);

// The least height that shows a line of a control's text whole: the text and a thin frame. Qt's
// hint for a box asks a few pixels more than the designed boxes have.
int TextLineHeight(const QWidget* control);

// A control keeps its designed width, or the width its text needs when that is more (a larger font,
// a translation); the same for the height.
template <typename T> T* FixWidth(T* widget, int designWidth)
{
    widget->setFixedWidth(std::max(designWidth, widget->sizeHint().width()));
    return widget;
}
template <typename T> T* FixHeight(T* widget, int designHeight)
{
    widget->setFixedHeight(std::max(designHeight, TextLineHeight(widget)));
    return widget;
}

// The dark strip across the top of a window (imgTitleBar) with a heading (lblTopHeading) centred on
// it. Its picture is drawn for each width so it stays sharp instead of being stretched; the strip
// is as high as the heading needs, 23 at the least.
class TitleStrip : public QLabel {
    Q_OBJECT
public:
    // headingWidth: the heading's designed width (its text's when that is more); 0: its text's,
    // whatever text it is given later.
    TitleStrip(const QString& heading, int headingWidth, QWidget* parent = nullptr);
    QLabel* heading() const { return m_heading; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_heading;
};

// A label that reports clicks, for captions that forward to their image button.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);
    // The label forwards each click to button and carries the button's tooltip, kept in step with it.
    void forwardTo(QAbstractButton* button);

signals:
    void clicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A label given keyboard focus (a link-like caption) also acts on Space and Enter.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QAbstractButton* m_button = nullptr;
};

} // namespace kivra
