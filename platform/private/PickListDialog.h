// A small dialog that asks for one item of a long list: a search line above the list keeps
// the items that hold what is typed, and the likely items stand first, set apart.
#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;

class PickListDialog : public QDialog {
    Q_OBJECT

public:
    PickListDialog(const QString& caption, const QStringList& items, int likely, int current,
                   QWidget* parent);

    // The index of the item chosen, -1 for none.
    int chosen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filter(const QString& typed);

    QLineEdit* m_search;
    QListWidget* m_list;
};
