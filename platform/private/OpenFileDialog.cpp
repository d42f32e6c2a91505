#include "OpenFileDialog.h"

#include <QFileInfo>

OpenFileDialog::OpenFileDialog(QWidget* parent, const QString& filter, const QString& defaultSuffix)
    : QFileDialog(parent, QString(), QString(), filter), m_defaultSuffix(defaultSuffix)
{
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    setOption(QFileDialog::HideNameFilterDetails);
    // The desktop's own dialog may record the file in its recent-files list; the program
    // leaves nothing behind.
    setOption(QFileDialog::DontUseNativeDialog);
}

void OpenFileDialog::accept()
{
    setDefaultSuffix(QString());
    const QStringList named = selectedFiles();
    if (named.isEmpty() || !QFileInfo::exists(named.constFirst()))
        setDefaultSuffix(m_defaultSuffix);
    QFileDialog::accept();
}
