#include "platform/SoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::~QtSoundPlayer()
{
    qDeleteAll(m_effects);
}

void QtSoundPlayer::play(const QString &path)
{
    if (!QFileInfo::exists(path))
        return;
    QSoundEffect *&effect = m_effects[path];
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->play();
}
