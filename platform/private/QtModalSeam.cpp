#include "QtModalSeam.h"

#include "../CDialog.h"
#include "../CMenu.h"
#include "OpenFileDialog.h"
#include "PickListDialog.h"
#include "QtConvert.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

namespace {

// "Dictionary Files (*.dic)|*.dic|All Files (*.*)|*.*||" becomes Qt's
// "Dictionary Files (*.dic) (*.dic);;All Files (*.*) (*)": Qt takes the patterns from the
// last parentheses, and the dialog hides them, so the names show as they are written.
// On the handheld "*.*" matched every file; in Qt it would hide names without a dot.
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == u"*.*")
                pattern = u'*';
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace

int QtModalSeam::MessageBox(CWnd* owner, const CString& text, const CString& caption, UINT type)
{
    QWidget* parent = owner && owner->GetHandle() ? owner->GetHandle()->window() : nullptr;
    const QMessageBox::Icon icon = (type & MB_ICONSTOP) != 0       ? QMessageBox::Critical
                                   : (type & MB_ICONQUESTION) != 0 ? QMessageBox::Question
                                                                   : QMessageBox::NoIcon;
    const bool askCancel = (type & MB_TYPEMASK) == MB_OKCANCEL;
    QMessageBox box(icon, toQString(caption), toQString(text),
                    askCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, parent);
    if (askCancel)
        box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Cancel ? IDCANCEL : IDOK;
}

bool QtModalSeam::GetOpenFileName(const CString& filter, const CString& defaultExt, CString& path)
{
    OpenFileDialog dialog(QApplication::activeWindow(), qtFilter(toQString(filter)),
                          toQString(defaultExt));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = toCString(dialog.selectedFiles().constFirst());
    return true;
}

bool QtModalSeam::GetFolderName(CString& folder)
{
    const QString chosen = QFileDialog::getExistingDirectory(QApplication::activeWindow(),
                                                             QString(), toQString(folder));
    if (chosen.isEmpty())
        return false;
    folder = toCString(chosen);
    return true;
}

INT_PTR QtModalSeam::RunModal(CDialog& dialog)
{
    auto* window = static_cast<QDialog*>(dialog.GetHandle());
    return window->exec();
}

UINT QtModalSeam::TrackPopupMenu(CWnd* owner, const CMenu& menu, CPoint point)
{
    QWidget* parent = owner && owner->GetHandle() ? owner->GetHandle()->window() : nullptr;
    QMenu popup(parent);
    for (const CMenu::Item& item : menu.GetItems()) {
        if (item.nFlags & MF_SEPARATOR) {
            popup.addSeparator();
            continue;
        }
        // The key after the tab becomes the action's shortcut, so that the menu shows it
        // in its own column and screen readers announce it. A shortcut of an action that
        // only a pop-up menu holds never fires; the window's accelerators send the command.
        const QString text = toQString(item.strText);
        const qsizetype tab = text.indexOf(u'\t');
        QAction* action = popup.addAction(text.left(tab));
        if (tab >= 0)
            action->setShortcut(QKeySequence::fromString(text.mid(tab + 1)));
        action->setCheckable(item.bCheckItem);
        action->setChecked(item.nFlags & MF_CHECKED);
        action->setData(item.nID);
    }
    const QAction* chosen = popup.exec(QPoint(point.x, point.y));
    return chosen ? chosen->data().toUInt() : 0;
}

int QtModalSeam::PickFromList(CWnd* owner, const CString& caption,
                              const std::vector<CString>& items, int likely, int current)
{
    QWidget* parent = owner && owner->GetHandle() ? owner->GetHandle()->window() : nullptr;
    QStringList texts;
    for (const CString& item : items)
        texts << toQString(item);
    PickListDialog dialog(toQString(caption), texts, likely, current, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosen() : -1;
}
