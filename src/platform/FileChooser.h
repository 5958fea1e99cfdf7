#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// The file-open dialog. The program shows the system dialog; a test answers with the
// paths it wants chosen.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // One file; empty when the operator cancels.
    virtual QString openFile(QWidget *parent, const QString &caption, const QString &folder,
                             const QString &filter) = 0;
    // Any number of files; empty when the operator cancels.
    virtual QStringList openFiles(QWidget *parent, const QString &caption, const QString &folder,
                                  const QString &filter) = 0;
};
