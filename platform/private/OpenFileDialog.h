// Qt's open-file dialog with the framework's default extension: a name typed without one
// gets it only when no file of that name exists. Qt would add it to every such name, so
// that a file without a dot, listed under "All Files", could not be opened.
#pragma once

#include <QFileDialog>

class OpenFileDialog : public QFileDialog {
public:
    OpenFileDialog(QWidget* parent, const QString& filter, QString defaultSuffix);

    void accept() override;

private:
    QString m_defaultSuffix;
};
