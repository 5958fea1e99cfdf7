#pragma once
#include "platform/FileChooser.h"

// The system's file-open dialog.
class DialogFileChooser : public FileChooser
{
public:
    QString openFile(QWidget *parent, const QString &caption, const QString &folder, const QString &filter) override;
    QStringList openFiles(QWidget *parent, const QString &caption, const QString &folder,
                          const QString &filter) override;
};
