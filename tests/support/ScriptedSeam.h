// A modal seam for tests: records every message box and answers the open-file dialog
// and sub-dialogs from a script. Installed for its lifetime.
#pragma once

#include "ModalSeam.h"
#include "afxwin.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct RecordedMessage {
    std::u16string text;
    std::u16string caption;
    UINT type;
};

class ScriptedSeam : public ModalSeam {
public:
    ScriptedSeam();
    ~ScriptedSeam() override;

    // The next open-file dialog returns this path; nothing queued means cancel.
    void answerOpenFile(const std::string& path);
    void cancelOpenFile();

    int MessageBox(CWnd* owner, const CString& text, const CString& caption, UINT type) override;
    bool GetOpenFileName(const CString& filter, const CString& defaultExt, CString& path) override;
    INT_PTR RunModal(CDialog& dialog) override;

    std::vector<RecordedMessage> messages;
    std::vector<std::u16string> filtersAsked;
    std::vector<std::u16string> defaultExtsAsked;
    // Called with each modal sub-dialog while its window is shown; its result ends it.
    std::function<INT_PTR(CDialog&)> onModal = [](CDialog&) -> INT_PTR { return IDOK; };
    // Called while a message box is up, before it is answered.
    std::function<void(const RecordedMessage&)> onMessage;

private:
    std::deque<std::optional<std::string>> m_openAnswers;
    ModalSeam* m_previous;
};
