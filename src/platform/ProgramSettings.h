#pragma once
#include <QObject>
#include <QSettings>
#include <QString>

// The one owner of brelog.ini, the settings of this PC (not the contest's). Each part
// of the program keeps its choices in a group of its own, as a plain struct that knows
// its group:
//
//   struct Choices {
//       static Choices read(QSettings &ini);   // missing keys give the defaults
//       void write(QSettings &ini) const;
//   };
//
// and reads and writes it only through here, so the file's path is built in one place
// and every window that shows a setting hears when another one changed it.
class ProgramSettings : public QObject
{
    Q_OBJECT
public:
    explicit ProgramSettings(const QString &iniFile, QObject *parent = nullptr);

    QString file() const { return m_file; }

    template <class Group>
    Group read() const
    {
        QSettings ini(m_file, QSettings::IniFormat);
        return Group::read(ini);
    }

    // False (with the reason) when the file cannot be written; `changed` follows a
    // successful write.
    template <class Group>
    bool write(const Group &group, QString *error = nullptr)
    {
        bool ok = false;
        {
            QSettings ini(m_file, QSettings::IniFormat);
            group.write(ini);
            ini.sync();
            ok = ini.status() == QSettings::NoError;
        }
        if (!ok) {
            if (error)
                *error = QStringLiteral("%1: cannot be written").arg(m_file);
            return false;
        }
        emit changed();
        return true;
    }

signals:
    void changed();

private:
    QString m_file;
};
