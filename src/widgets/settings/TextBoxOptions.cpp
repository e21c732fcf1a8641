#include "settings/TextBoxOptions.h"

#include "settings/Options.h"

#include <QApplication>
#include <QTextCursor>
#include <QTextEdit>

namespace kivra {

static QFont fontFor(const QWidget* box)
{
    QFont font = DefaultFontFromOptions(options());
    if (box->objectName() == QLatin1String("txtWordsFromGod") && font.pointSize() > 1)
        font.setPointSize(font.pointSize() - 1);
    return font;
}

static void setTextColour(QWidget* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Base, ReadableBackground(colour, QApplication::palette(box).color(QPalette::Base)));
    box->setPalette(palette);
}

void ApplyDefaultFontToTextBox(QWidget* box)
{
    if (!box)
        return;
    box->setFont(fontFor(box));
    setTextColour(box, ColourFromOption(options().DefaultFontColor));
}

void ApplyDefaultFont(QWidget* box)
{
    if (!box)
        return;
    const QFont font = fontFor(box);
    const QColor colour = ColourFromOption(options().DefaultFontColor);
    box->setFont(font);
    setTextColour(box, colour);
    // A rich-text pane carries its formatting in the text itself: format the whole present text.
    if (auto* edit = qobject_cast<QTextEdit*>(box)) {
        QTextCursor cursor(edit->document());
        cursor.select(QTextCursor::Document);
        QTextCharFormat format;
        format.setFont(font);
        format.setForeground(colour);
        cursor.setCharFormat(format);
        edit->document()->setDefaultFont(font);
        edit->setCurrentCharFormat(format);
    }
}

} // namespace kivra
