// A modal seam for tests: records every message box and pop-up menu and answers the
// open-file dialog, sub-dialogs and menus from a script. Installed for its lifetime.
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

// A menu item as the user sees it: its label (without the mnemonic's "&") and the key
// shown beside it; a separator has neither.
struct RecordedMenuItem {
    std::u16string label;
    std::u16string key;
    bool separator;
    bool checked;
    friend bool operator==(const RecordedMenuItem&, const RecordedMenuItem&) = default;
};

struct RecordedMenu {
    std::vector<RecordedMenuItem> items;
    CPoint point; // in screen coordinates
};

class ScriptedSeam : public ModalSeam {
public:
    ScriptedSeam();
    ~ScriptedSeam() override;

    // The next open-file dialog returns this path; nothing queued means cancel.
    void answerOpenFile(const std::string& path);
    void cancelOpenFile();
    // The next folder dialog returns this folder; nothing queued means cancel.
    void answerFolder(const std::string& folder);
    // The next pop-up menu or pick list chooses the item with this label; nothing queued
    // closes it.
    void chooseMenuItem(const std::u16string& label);
    // The next message box asking OK or Cancel is answered so; nothing queued means OK.
    void answerMessage(int id);

    int MessageBox(CWnd* owner, const CString& text, const CString& caption, UINT type) override;
    bool GetOpenFileName(const CString& filter, const CString& defaultExt, CString& path) override;
    bool GetFolderName(CString& folder) override;
    INT_PTR RunModal(CDialog& dialog) override;
    UINT TrackPopupMenu(CWnd* owner, const CMenu& menu, CPoint point) override;
    int PickFromList(CWnd* owner, const CString& caption, const std::vector<CString>& items,
                     int likely, int current) override;

    std::vector<RecordedMessage> messages;
    std::vector<std::u16string> filtersAsked;
    std::vector<std::u16string> defaultExtsAsked;
    std::vector<RecordedMenu> menus;
    // The pick lists shown: their items, the likely ones first.
    std::vector<std::vector<std::u16string>> pickLists;
    // Called with each modal sub-dialog while its window is shown; its result ends it.
    std::function<INT_PTR(CDialog&)> onModal = [](CDialog&) -> INT_PTR { return IDOK; };
    // Called while a message box is up, before it is answered.
    std::function<void(const RecordedMessage&)> onMessage;

private:
    std::deque<std::optional<std::string>> m_openAnswers;
    std::deque<std::string> m_folderAnswers;
    std::deque<std::u16string> m_menuChoices;
    std::deque<int> m_messageAnswers;
    ModalSeam* m_previous;
};
