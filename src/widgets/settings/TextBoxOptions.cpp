#include "settings/TextBoxOptions.h"

#include "settings/Options.h"
#include "settings/ThemeColours.h"
#include "settings/ViewSettings.h"

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

// The colours the box shows: the option's colour, or a dark theme's own (see ReadingColours).
static ColourPair shownColours(const QWidget* box)
{
    const QPalette theme = QApplication::palette(box);
    return ReadingColours(ColourFromOption(options().DefaultFontColor), theme.color(QPalette::Text),
                          theme.color(QPalette::Base), PaperLook());
}

static void setColours(QWidget* box, const ColourPair& colours)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, colours.text);
    palette.setColor(QPalette::WindowText, colours.text);
    palette.setColor(QPalette::Base, colours.background);
    box->setPalette(palette);
}

void ApplyDefaultFontToTextBox(QWidget* box)
{
    if (!box)
        return;
    box->setFont(fontFor(box));
    setColours(box, shownColours(box));
}

static void applyFont(QWidget* box, const QFont& font, const QColor& textColour);

void ApplyDefaultFont(QWidget* box)
{
    if (box)
        applyFont(box, fontFor(box), shownColours(box).text);
}

void ApplyReadingFont(QWidget* box)
{
    QFont font = fontFor(box);
    font.setPointSize(ZoomedSize(font.pointSize()));
    applyFont(box, font, shownColours(box).text);
}

void ApplyExportFormat(QWidget* box)
{
    applyFont(box, fontFor(box), ColourFromOption(options().DefaultFontColor));
}

static void applyFont(QWidget* box, const QFont& font, const QColor& textColour)
{
    box->setFont(font);
    setColours(box, shownColours(box));
    // A rich-text pane carries its formatting in the text itself: format the whole present text.
    if (auto* edit = qobject_cast<QTextEdit*>(box)) {
        QTextCursor cursor(edit->document());
        cursor.select(QTextCursor::Document);
        QTextCharFormat format;
        format.setFont(font);
        format.setForeground(textColour);
        cursor.setCharFormat(format);
        edit->document()->setDefaultFont(font);
        edit->setCurrentCharFormat(format);
    }
}

} // namespace kivra
