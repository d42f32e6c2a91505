#include "ScriptedSeam.h"

#include <QString>
#include <QWidget>

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

int ScriptedSeam::MessageBox(CWnd*, const CString& text, const CString& caption, UINT type)
{
    messages.push_back({std::u16string(text), std::u16string(caption), type});
    if (onMessage)
        onMessage(messages.back());
    return IDOK;
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

INT_PTR ScriptedSeam::RunModal(CDialog& dialog)
{
    // Shown as a modal run shows it, so its first erase has painted it.
    dialog.GetHandle()->show();
    return onModal(dialog);
}
