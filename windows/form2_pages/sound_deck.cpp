#include "sound_deck.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace vorn::win::form2 {

MediaDeck::MediaDeck(QObject* parent)
    : SoundDeck(parent)
    , m_player(new QMediaPlayer(this))
    , m_output(new QAudioOutput(this)) {
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& reason) {
                if (m_told) return;
                m_told = true;
                emit failed(
                    QStringLiteral("Não foi possível tocar %1: %2")
                        .arg(m_file, reason.isEmpty() ? QStringLiteral("erro no som") : reason));
            });
}

void MediaDeck::play(const QString& path) {
    m_player->stop();
    m_player->setSource(QUrl());
    m_file = QFileInfo(path).fileName();
    m_told = false;
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

} // namespace vorn::win::form2
