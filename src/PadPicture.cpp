#include "PadPicture.h"

#include "ListLibrary.h"
#include "StandardText.h"
#include "resource.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixels kept of a picture's longer side: more than the pad shows on a large screen, at most
// 4 MB decoded, and a quarter of a camera's 4000: JPEG decodes straight at that scale.
constexpr int kMaxPictureSide = 1000;
// Between the pad's edges and its picture, in client pixels.
constexpr int kPadMargin = 2;

// The free part under the score line, left of "C".
CRect PadRect(CWnd* pOwner)
{
    CRect rectClient;
    pOwner->GetClientRect(rectClient);
    CWnd* pScore = pOwner->GetDlgItem(IDC_SCORE);
    CWnd* pClear = pOwner->GetDlgItem(IDC_CLEAR);
    if (!pScore || !pClear)
        return rectClient;
    CRect rectScore;
    CRect rectClear;
    pScore->GetWindowRect(rectScore);
    pOwner->ScreenToClient(rectScore);
    pClear->GetWindowRect(rectClear);
    pOwner->ScreenToClient(rectClear);
    return CRect(kPadMargin, rectScore.bottom + kPadMargin, rectClear.left - kPadMargin,
                 rectClient.bottom - kPadMargin);
}

CString ImageProblem(UINT nResult)
{
    switch (nResult) {
    case IMAGEERR_FORMAT:
        return AfxTranslate("CPadPicture", "it is not a PNG, JPEG, GIF or WebP picture");
    case IMAGEERR_TOO_LARGE:
        return AfxTranslate("CPadPicture",
                            "it is larger than a picture may be (32 MB, 64 megapixels)");
    default:
        return AfxTranslate("CPadPicture", "it is damaged");
    }
}

} // namespace

void CPadPicture::SetList(const CString& strPath, formats::FileKind kind,
                          std::vector<formats::EntryPictures>&& pictures)
{
    m_strPath = strPath;
    m_kind = kind;
    m_pictures = std::move(pictures);
    m_bTold = FALSE;
}

const std::u16string* CPadPicture::PictureName(int nEntry, BOOL bMeaning) const
{
    if (nEntry < 0 || static_cast<size_t>(nEntry) >= m_pictures.size())
        return nullptr;
    const formats::EntryPictures& pictures = m_pictures[nEntry];
    const std::u16string& strAsked = bMeaning ? pictures.meaning : pictures.word;
    const std::u16string& strOther = bMeaning ? pictures.word : pictures.meaning;
    if (!strAsked.empty())
        return &strAsked;
    return strOther.empty() ? nullptr : &strOther;
}

CString CPadPicture::Load(const std::u16string& strName)
{
    const ListReaders* pReaders = GetListReaders(m_kind);
    if (!pReaders)
        return NoListLibraryMessage();
    std::string bytes;
    const std::u16string strProblem =
        pReaders->readPicture(std::u16string(m_strPath), m_kind, strName, bytes);
    if (!strProblem.empty())
        return ToCString(strProblem);
    const UINT nResult =
        m_image.Load(bytes.data(), static_cast<DWORD>(bytes.size()), kMaxPictureSide);
    return nResult == IMAGE_OK ? CString() : ImageProblem(nResult);
}

void CPadPicture::QuestionDrawn(CWnd* pOwner, int nEntry, BOOL bMeaning)
{
    const BOOL bShown = !m_image.IsNull();
    m_image.Destroy();
    if (const std::u16string* pName = PictureName(nEntry, bMeaning)) {
        const CString strProblem = Load(*pName);
        if (!strProblem.IsEmpty() && !m_bTold) {
            m_bTold = TRUE;
            CString strMessage;
            strMessage.Format(AfxTranslate("CPadPicture", "The picture \"%s\" cannot be shown: "
                                                          "%s. The drill goes on without it."),
                              ToCString(*pName), strProblem);
            pOwner->MessageBox(strMessage, AfxTranslate("CPadPicture", "Picture"), MB_ICONSTOP);
        }
    }
    // A list without pictures never repaints the pad.
    if (bShown || !m_image.IsNull())
        pOwner->RedrawBackground();
}

void CPadPicture::Clear(CWnd* pOwner)
{
    if (m_image.IsNull())
        return;
    m_image.Destroy();
    pOwner->RedrawBackground();
}

void CPadPicture::Draw(CWnd* pOwner, CDC* pDC) const
{
    if (m_image.IsNull())
        return;
    const CRect rectPad = PadRect(pOwner);
    if (rectPad.Width() <= 0 || rectPad.Height() <= 0)
        return;
    // Scaled to fit, its proportions kept, and centred.
    const double dScale = std::min(static_cast<double>(rectPad.Width()) / m_image.GetWidth(),
                                   static_cast<double>(rectPad.Height()) / m_image.GetHeight());
    const int nWidth = std::max(1, static_cast<int>(std::lround(m_image.GetWidth() * dScale)));
    const int nHeight = std::max(1, static_cast<int>(std::lround(m_image.GetHeight() * dScale)));
    const int x = rectPad.left + (rectPad.Width() - nWidth) / 2;
    const int y = rectPad.top + (rectPad.Height() - nHeight) / 2;
    m_image.Draw(pDC, CRect(x, y, x + nWidth, y + nHeight));
}

int CPadPicture::PicturedEntries() const
{
    return static_cast<int>(std::count_if(
        m_pictures.begin(), m_pictures.end(), [](const formats::EntryPictures& pictures) {
            return !pictures.word.empty() || !pictures.meaning.empty();
        }));
}
