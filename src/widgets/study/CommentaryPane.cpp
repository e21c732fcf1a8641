#include "study/CommentaryPane.h"

#include "reading/BookCatalogue.h"
#include "reading/ReferenceParser.h"
#include "resources/Interaction.h"
#include "settings/TextBoxOptions.h"
#include "shelf/Shelf.h"
#include "study/Commentary.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kivra {

CommentaryPane::CommentaryPane(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CommentaryPane"));
    m_chooser = new QComboBox;
    m_chooser->setObjectName(QStringLiteral("cboCommentary"));
    m_notes = new QTextBrowser;
    m_notes->setObjectName(QStringLiteral("txtCommentary"));
    m_notes->setAccessibleName(tr("Commentary notes"));
    m_notes->setOpenLinks(false);
    auto* caption = new QLabel(tr("Commentary"));
    caption->setBuddy(m_chooser);
    auto* chooserRow = new QHBoxLayout;
    chooserRow->addWidget(caption);
    chooserRow->addWidget(m_chooser, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 0, 16);
    layout->addLayout(chooserRow);
    layout->addWidget(m_notes, 1);
    setMinimumWidth(260);
    connect(m_chooser, &QComboBox::currentIndexChanged, this, &CommentaryPane::refresh);
    connect(m_notes, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const std::optional<Passage> passage = Commentary::linkPassage(url.path());
        if (passage)
            emit passageRequested(*passage);
        else
            ShowMessage(Message::PassageNotInBible, window(), {url.path()});
    });
}

void CommentaryPane::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_filled)
        fillChooser();
    refresh();
}

// Every commentary on the shelf; one that cannot be read stays in the list, so the reader learns why.
void CommentaryPane::fillChooser()
{
    m_filled = true;
    const QSignalBlocker blocker(m_chooser);
    int readable = -1;
    for (const ModuleInfo& info : Shelf::instance().modulesOf(ModuleKind::Commentary, false)) {
        const QString caption = info.usable() ? QStringLiteral("%1 (%2)").arg(info.description, info.name)
                                              : tr("%1 (%2, cannot be read)").arg(info.description, info.name);
        m_chooser->addItem(caption, info.name);
        if (readable < 0 && info.usable())
            readable = m_chooser->count() - 1;
    }
    m_chooser->setCurrentIndex(std::max(readable, 0));
}

void CommentaryPane::showPassage(const std::optional<Passage>& passage)
{
    if (passage)
        m_passage = passage;
    if (isVisible())
        refresh();
}

void CommentaryPane::refresh()
{
    if (!isVisible() || !m_passage)
        return;
    const QString module = m_chooser->currentData().toString();
    if (module.isEmpty()) {
        m_notes->setPlainText(tr("No commentary is installed; the package sword-comm-scofield, for one, brings "
                                 "notes on the whole Bible."));
        return;
    }
    const BibleBook* book = BibleBooks()->bookNamed(m_passage->book);
    QString error;
    const auto notes = book ? Commentary::notes(module, book->abbreviation, *m_passage, &error)
                            : std::optional<QList<CommentaryNote>>(QList<CommentaryNote>());
    if (!notes) {
        m_notes->setPlainText(error);
        return;
    }
    QString html;
    for (const CommentaryNote& note : *notes) {
        const Passage verses{m_passage->book, note.chapter, note.fromVerse, note.chapter, note.toVerse};
        html += QStringLiteral("<p><b>%1</b></p>").arg(ReferenceText(verses).toHtmlEscaped());
        for (const CommentaryParagraph& paragraph : note.paragraphs) {
            html += QStringLiteral("<p>");
            for (const CommentaryRun& run : paragraph) {
                QString text = run.text.toHtmlEscaped();
                if (run.bold)
                    text = QStringLiteral("<b>%1</b>").arg(text);
                if (run.italic)
                    text = QStringLiteral("<i>%1</i>").arg(text);
                if (!run.link.isEmpty()) {
                    QUrl url;
                    url.setScheme(QStringLiteral("passage"));
                    url.setPath(run.link);
                    text = QStringLiteral("<a href=\"%1\">%2</a>").arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped(), text);
                }
                html += text;
            }
            html += QStringLiteral("</p>");
        }
    }
    if (notes->isEmpty())
        html = QStringLiteral("<p><i>%1</i></p>").arg(tr("%1 has no note on %2.").arg(module, ReferenceText(*m_passage)).toHtmlEscaped());
    m_notes->setHtml(html);
    ApplyDefaultFontToTextBox(m_notes);
}

} // namespace kivra
