#include "reading/ReadAloud.h"

#include <QScrollBar>
#include <QTextEdit>
#include <QTextToSpeech>

#include <algorithm>

namespace kivra {
namespace {

class DesktopSpeaker : public Speaker {
public:
    DesktopSpeaker()
    {
        if (QTextToSpeech::availableEngines().isEmpty())
            return;
        m_speech = new QTextToSpeech(this);
        connect(m_speech, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Ready && m_speaking) {
                m_speaking = false;
                emit finished();
            } else if (state == QTextToSpeech::Error) {
                m_speaking = false;
                emit failed(m_speech->errorString());
            }
        });
    }
    bool available() override { return m_speech && m_speech->state() != QTextToSpeech::Error; }
    void say(const QString& words) override
    {
        m_speaking = true;
        m_speech->say(words);
    }
    void pause() override { m_speech->pause(); }
    void resume() override { m_speech->resume(); }
    void stop() override
    {
        m_speaking = false;
        m_speech->stop();
    }
    void setRate(double rate) override { m_speech->setRate(rate); }

private:
    QTextToSpeech* m_speech = nullptr;
    bool m_speaking = false;  // a say() not yet finished
};

} // namespace

ReadAloud::ReadAloud(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("ReadAloud"));
}

ReadAloud::~ReadAloud() = default;

void ReadAloud::useSpeaker(std::unique_ptr<Speaker> speaker)
{
    stop();
    m_speaker = std::move(speaker);
    connect(m_speaker.get(), &Speaker::finished, this, &ReadAloud::verseSpoken);
    connect(m_speaker.get(), &Speaker::failed, this, [this](const QString& reason) {
        stop();
        emit statusChanged(tr("Reading aloud stopped: %1").arg(reason));
    });
}

Speaker* ReadAloud::speaker()
{
    // Made on first use: connecting to the speech service takes a moment.
    if (!m_speaker)
        useSpeaker(std::make_unique<DesktopSpeaker>());
    return m_speaker.get();
}

void ReadAloud::toggle(QTextEdit* view, const QList<VerseSpan>& spans)
{
    if (m_state == State::Reading) {
        m_state = State::Paused;
        speaker()->pause();
        emit statusChanged(tr("Reading aloud paused"));
        return;
    }
    if (m_state == State::Paused) {
        m_state = State::Reading;
        speaker()->resume();
        mark();
        return;
    }
    if (!speaker()->available()) {
        if (!m_toldNoEngine)
            emit noSpeechEngine();
        m_toldNoEngine = true;
        return;
    }
    const QTextCursor selection = view->textCursor();
    m_verses = VersesToRead(view->toPlainText(), spans, selection.selectionStart(), selection.selectionEnd());
    if (m_verses.isEmpty())
        return;
    m_view = view;
    m_text = view->toPlainText();
    m_current = 0;
    m_state = State::Reading;
    m_speaker->setRate(m_rate);
    sayCurrent();
}

void ReadAloud::sayCurrent()
{
    mark();
    m_speaker->say(m_verses[m_current].words);
}

void ReadAloud::verseSpoken()
{
    if (m_state != State::Reading)
        return;
    // Another passage shown meanwhile ends the reading of this one.
    if (m_current + 1 >= m_verses.size() || !m_view || m_view->toPlainText() != m_text) {
        stop();
        return;
    }
    ++m_current;
    sayCurrent();
}

void ReadAloud::stop()
{
    if (m_state == State::Stopped)
        return;
    m_state = State::Stopped;
    m_current = -1;
    if (m_speaker)
        m_speaker->stop();
    if (m_view)
        m_view->setExtraSelections({});
    emit statusChanged(tr("Reading aloud stopped"));
}

void ReadAloud::changeRate(double by)
{
    m_rate = std::clamp(m_rate + by, -1.0, 1.0);
    if (m_speaker)
        m_speaker->setRate(m_rate);
    emit statusChanged(tr("Reading speed %1").arg(qRound(m_rate * 10)));
}

void ReadAloud::mark()
{
    const SpokenVerse& verse = m_verses[m_current];
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(m_view->document());
    mark.cursor.setPosition(verse.start);
    mark.cursor.setPosition(verse.end, QTextCursor::KeepAnchor);
    mark.format.setBackground(m_view->palette().color(QPalette::Highlight));
    mark.format.setForeground(m_view->palette().color(QPalette::HighlightedText));
    m_view->setExtraSelections({mark});
    // The verse read is kept in view without moving the caret (a screen reader would read it too).
    QTextCursor start(m_view->document());
    start.setPosition(verse.start);
    const QRect at = m_view->cursorRect(start);
    const int height = m_view->viewport()->height();
    if (at.top() < 0 || at.bottom() > height)
        m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->value() + at.top() - height / 4);
    emit statusChanged(tr("Reading aloud verse %1 of %2").arg(m_current + 1).arg(m_verses.size()));
}

} // namespace kivra
