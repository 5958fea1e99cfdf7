#include "platform/ProgramSettings.h"

ProgramSettings::ProgramSettings(const QString &iniFile, QObject *parent) : QObject(parent), m_file(iniFile)
{
}
