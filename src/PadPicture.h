// CPadPicture: the picture of the question's entry, shown on the scribble pad under the
// strokes. It is read from the list and decoded only when its question is drawn, so a list
// with pictures loads as fast as one without. A picture that cannot be shown is told once a
// list, and the drill goes on.
#pragma once

#include "CImage.h"
#include "FileKind.h"
#include "WordList.h"
#include "afxwin.h"

#include <vector>

class CPadPicture {
public:
    // A list was loaded from `strPath`: its kind, and its entries' pictures (one for each
    // entry, or none).
    void SetList(const CString& strPath, formats::FileKind kind,
                 std::vector<formats::EntryPictures>&& pictures);
    // The question of entry `nEntry` was drawn, asking its meaning when `bMeaning`: its
    // picture replaces the one on the pad, or a question without one clears it.
    void QuestionDrawn(CWnd* pOwner, int nEntry, BOOL bMeaning);
    // No question is shown: the pad is cleared of its picture.
    void Clear(CWnd* pOwner);
    // Paints the picture into the pad of `pOwner`, over the background just erased.
    void Draw(CWnd* pOwner, CDC* pDC) const;
    // The list's entries that have a picture.
    int PicturedEntries() const;

private:
    // The name of the picture of entry `nEntry`: of the side asked, or else of the other.
    const std::u16string* PictureName(int nEntry, BOOL bMeaning) const;
    // Reads and decodes the picture `strName`; why it cannot be shown, or "".
    CString Load(const std::u16string& strName);

    CString m_strPath;
    formats::FileKind m_kind = formats::FileKind::Dictionary;
    std::vector<formats::EntryPictures> m_pictures;
    CImage m_image;
    BOOL m_bTold = FALSE; // a picture of this list could not be shown, and that was said
};
