#pragma once

#include <QObject>
#include <QString>

class QAudioOutput;
class QMediaPlayer;

namespace vorn::win::form2 {

// The edit tools window's invisible media player: one sound file at a time.
// A file that cannot be played is told through failed, at once or later,
// never thrown; the window shows it in the status of the page that played.
class SoundDeck : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Closes the file playing, opens the file at path (UTF-8) and plays it.
    virtual void play(const QString& path) = 0;

signals:
    void failed(const QString& message);
};

// The deck on Qt Multimedia and the system's sound output. Only the first
// problem of each file is told: the player may report one fault several
// times as it gives up.
class MediaDeck : public SoundDeck {
    Q_OBJECT
public:
    explicit MediaDeck(QObject* parent = nullptr);
    void play(const QString& path) override;

private:
    QMediaPlayer* m_player;
    QAudioOutput* m_output;
    QString m_file;
    bool m_told = false;
};

} // namespace vorn::win::form2
