#include "OpenFileDialog.h"

#include <QFileInfo>
#include <utility>

OpenFileDialog::OpenFileDialog(QWidget* parent, const QString& filter, QString defaultSuffix)
    : QFileDialog(parent, QString(), QString(), filter), m_defaultSuffix(std::move(defaultSuffix))
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
