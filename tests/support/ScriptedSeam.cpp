#include "ScriptedSeam.h"

#include <QString>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>

ScriptedSeam::ScriptedSeam() : m_previous(ModalSeam::Install(this)) {}

ScriptedSeam::~ScriptedSeam()
{
    ModalSeam::Install(m_previous);
}

void ScriptedSeam::answerOpenFile(const std::string& path)
{
    m_openAnswers.emplace_back(path);
}

void ScriptedSeam::cancelOpenFile()
{
    m_openAnswers.emplace_back(std::nullopt);
}

void ScriptedSeam::answerFolder(const std::string& folder)
{
    m_folderAnswers.push_back(folder);
}

void ScriptedSeam::chooseMenuItem(const std::u16string& label)
{
    m_menuChoices.push_back(label);
}

void ScriptedSeam::answerMessage(int id)
{
    m_messageAnswers.push_back(id);
}

int ScriptedSeam::MessageBox(CWnd*, const CString& text, const CString& caption, UINT type)
{
    messages.push_back({std::u16string(text), std::u16string(caption), type});
    if (onMessage)
        onMessage(messages.back());
    if ((type & MB_TYPEMASK) != MB_OKCANCEL || m_messageAnswers.empty())
        return IDOK;
    const int answer = m_messageAnswers.front();
    m_messageAnswers.pop_front();
    return answer;
}

bool ScriptedSeam::GetOpenFileName(const CString& filter, const CString& defaultExt, CString& path)
{
    filtersAsked.emplace_back(filter);
    defaultExtsAsked.emplace_back(defaultExt);
    if (m_openAnswers.empty())
        return false;
    const std::optional<std::string> answer = m_openAnswers.front();
    m_openAnswers.pop_front();
    if (!answer)
        return false;
    const QString qpath = QString::fromStdString(*answer);
    path = reinterpret_cast<LPCTSTR>(qpath.utf16());
    return true;
}

bool ScriptedSeam::GetFolderName(CString& folder)
{
    if (m_folderAnswers.empty())
        return false;
    const QString answer = QString::fromStdString(m_folderAnswers.front());
    m_folderAnswers.pop_front();
    folder = reinterpret_cast<LPCTSTR>(answer.utf16());
    return true;
}

INT_PTR ScriptedSeam::RunModal(CDialog& dialog)
{
    // Shown as a modal run shows it, so its first erase has painted it.
    dialog.GetHandle()->show();
    return onModal(dialog);
}

UINT ScriptedSeam::TrackPopupMenu(CWnd*, const CMenu& menu, CPoint point)
{
    RecordedMenu shown{{}, point};
    for (const CMenu::Item& item : menu.GetItems()) {
        const QString text = QString::fromStdU16String(std::u16string(item.strText));
        const qsizetype tab = text.indexOf(u'\t');
        shown.items.push_back({QString(text.left(tab)).remove(u'&').toStdU16String(),
                               tab < 0 ? u"" : text.mid(tab + 1).toStdU16String(),
                               (item.nFlags & MF_SEPARATOR) != 0, (item.nFlags & MF_CHECKED) != 0});
    }
    menus.push_back(shown);
    if (m_menuChoices.empty())
        return 0;
    const std::u16string choice = m_menuChoices.front();
    m_menuChoices.pop_front();
    for (size_t i = 0; i < shown.items.size(); ++i) {
        if (!shown.items[i].separator && shown.items[i].label == choice)
            return menu.GetItems()[i].nID;
    }
    ADD_FAILURE() << "the menu has no item " << QString::fromStdU16String(choice).toStdString();
    return 0;
}

int ScriptedSeam::PickFromList(CWnd*, const CString&, const std::vector<CString>& items, int, int)
{
    std::vector<std::u16string>& shown = pickLists.emplace_back();
    for (const CString& item : items)
        shown.emplace_back(item);
    if (m_menuChoices.empty())
        return -1;
    const std::u16string choice = m_menuChoices.front();
    m_menuChoices.pop_front();
    const auto found = std::find(shown.begin(), shown.end(), choice);
    if (found != shown.end())
        return static_cast<int>(found - shown.begin());
    ADD_FAILURE() << "the list has no item " << QString::fromStdU16String(choice).toStdString();
    return -1;
}
