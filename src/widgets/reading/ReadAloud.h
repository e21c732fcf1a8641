#pragma once
// Reads the shown passage (or the verses the selection touches) aloud, verse by verse, through the
// desktop's speech service, marking the verse being read; pause, resume, stop and speed.
#include "reading/ReadAloudVerses.h"

#include <QObject>
#include <memory>

class QTextEdit;

namespace kivra {

// What speaks: the desktop's speech service, or a stand-in in the tests.
class Speaker : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool available() = 0;  // false without a speech engine
    virtual void say(const QString& words) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual void stop() = 0;
    virtual void setRate(double rate) = 0;  // -1 slowest, 0 normal, 1 fastest

signals:
    void finished();  // the words said last have all been spoken
    void failed(const QString& reason);  // no sound device, a service gone
};

class ReadAloud : public QObject {
    Q_OBJECT
public:
    enum class State { Stopped, Reading, Paused };

    explicit ReadAloud(QObject* parent = nullptr);
    ~ReadAloud() override;
    // A stand-in for the desktop's speech service.
    void useSpeaker(std::unique_ptr<Speaker> speaker);

    // Starts reading view's verses (those its selection touches, or all); while reading it pauses,
    // while paused it resumes.
    void toggle(QTextEdit* view, const QList<VerseSpan>& spans);
    void stop();
    void changeRate(double by);
    State state() const { return m_state; }
    int currentVerse() const { return m_current; }  // index into the verses read; -1 when stopped

signals:
    void statusChanged(const QString& text);
    void noSpeechEngine();  // once: read aloud has nothing to speak with

private:
    Speaker* speaker();
    void sayCurrent();
    void verseSpoken();
    void mark();

    std::unique_ptr<Speaker> m_speaker;
    QTextEdit* m_view = nullptr;
    QString m_text;  // what the view showed when reading began
    QList<SpokenVerse> m_verses;
    int m_current = -1;
    State m_state = State::Stopped;
    double m_rate = 0;
    bool m_toldNoEngine = false;
};

} // namespace kivra
