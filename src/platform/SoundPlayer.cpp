#include "platform/SoundPlayer.h"

#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

class QtSoundPlayer : public SoundPlayer
{
public:
    void play(const QString &path) override
    {
        if (!QFileInfo::exists(path))
            return;
        QSoundEffect *&effect = effects[path];
        if (!effect) {
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(path));
        }
        effect->play();
    }

private:
    // Effects live for the whole run: creating one per warning would reload the file each time.
    QHash<QString, QSoundEffect *> effects;
};

SoundPlayer *current = nullptr;

}

SoundPlayer *SoundPlayer::instance()
{
    static QtSoundPlayer defaultPlayer;
    return current ? current : &defaultPlayer;
}

void SoundPlayer::setInstance(SoundPlayer *player)
{
    current = player;
}
