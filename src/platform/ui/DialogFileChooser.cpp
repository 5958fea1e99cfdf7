#include "platform/ui/DialogFileChooser.h"

#include <QFileDialog>

QString DialogFileChooser::openFile(QWidget *parent, const QString &caption, const QString &folder,
                                    const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QStringList DialogFileChooser::openFiles(QWidget *parent, const QString &caption, const QString &folder,
                                         const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, folder, filter);
}
