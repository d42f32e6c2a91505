// Device contexts, bitmaps and pens, checked by the pixels they leave.
#include "DialogDriver.h"
#include "Pixels.h"
#include "resource.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kPaper = 0xFF204060;
constexpr QRgb kBlack = 0xFF000000;

QImage paper(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

struct LoadRow {
    UINT id;
    BOOL loads;
    LONG width;
    LONG height;
};

std::ostream& operator<<(std::ostream& os, const LoadRow& row)
{
    return os << "resource " << row.id;
}

class LoadBitmap : public ::testing::TestWithParam<LoadRow> {};

TEST_P(LoadBitmap, TakesBitmapResourcesOnly)
{
    const LoadRow& row = GetParam();
    CBitmap bitmap;
    EXPECT_EQ(bitmap.LoadBitmap(row.id) != FALSE, row.loads);
    BITMAP bm{-1, -1};
    EXPECT_EQ(bitmap.GetBitmap(&bm) != 0, row.loads);
    EXPECT_EQ(bitmap.GetSafeHandle() != nullptr, row.loads);
    if (row.loads) {
        EXPECT_EQ(bm.bmWidth, row.width);
        EXPECT_EQ(bm.bmHeight, row.height);
    }
}

INSTANTIATE_TEST_SUITE_P(CBitmap, LoadBitmap,
                         ::testing::Values(LoadRow{IDB_ABOUT_BACK, TRUE, 64, 64},
                                           LoadRow{IDB_MAIN_BACK, TRUE, 48, 48},
                                           LoadRow{IDR_MAINFRAME, FALSE, 0, 0},
                                           LoadRow{IDD_ABOUTBOX, FALSE, 0, 0},
                                           LoadRow{0, FALSE, 0, 0}));

TEST(CBitmap, FailedLoadKeepsTheBitmapHeld)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_MAIN_BACK));
    EXPECT_FALSE(bitmap.LoadBitmap(IDR_MAINFRAME));
    BITMAP bm{};
    bitmap.GetBitmap(&bm);
    EXPECT_EQ(bm.bmWidth, 48);
}

// The resource files keep the sizes and colour depths the program was drawn for.
TEST(Resources, ImagesHaveTheirSizesAndDepths)
{
    auto word = [](const QByteArray& data, int at) {
        return qFromLittleEndian<quint16>(data.constData() + at);
    };
    auto dword = [](const QByteArray& data, int at) {
        return qFromLittleEndian<quint32>(data.constData() + at);
    };
    struct BmpRow {
        UINT id;
        quint32 size;
        quint16 bitsPerPixel;
        bool colourTable;
    };
    for (const BmpRow& row :
         {BmpRow{IDB_ABOUT_BACK, 64, 8, true}, BmpRow{IDB_MAIN_BACK, 48, 24, false}}) {
        QFile file(QStringLiteral(":/res/bitmap%1.bmp").arg(row.id));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << row.id;
        const QByteArray bmp = file.readAll();
        ASSERT_GE(bmp.size(), 54) << row.id;
        EXPECT_EQ(bmp.left(2), "BM") << row.id;
        EXPECT_EQ(dword(bmp, 18), row.size) << row.id;
        EXPECT_EQ(dword(bmp, 22), row.size) << row.id;
        EXPECT_EQ(word(bmp, 28), row.bitsPerPixel) << row.id;
        // The pixels start after the headers and, with one, the colour table.
        EXPECT_EQ(dword(bmp, 10) > 54, row.colourTable) << row.id;
    }

    QFile file(QStringLiteral(":/res/icon%1.ico").arg(IDR_MAINFRAME));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    ASSERT_GE(ico.size(), 6 + 2 * 16);
    ASSERT_EQ(word(ico, 4), 2) << "images in the icon";
    for (int i = 0; i < 2; ++i) {
        const int entry = 6 + 16 * i;
        const int size = i == 0 ? 32 : 16;
        EXPECT_EQ(quint8(ico[entry]), size);
        EXPECT_EQ(quint8(ico[entry + 1]), size);
        EXPECT_EQ(quint8(ico[entry + 2]), 16) << "colours of the " << size << "-pixel image";
        EXPECT_EQ(word(ico, entry + 6), 4) << "bits per pixel of the " << size << "-pixel image";
    }
}

class MemoryDC : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bitmap.LoadBitmap(IDB_MAIN_BACK));
        ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
        EXPECT_EQ(memory.SelectObject(&bitmap), nullptr);
    }

    const QImage source = bitmapResource(IDB_MAIN_BACK);
    CBitmap bitmap;
    CDC memory;
};

// Each row copies the source's part from (xSrc, ySrc) to (x, y) on a square target; the
// part that lands is copied.width x copied.height, the source having no more.
struct BlitRow {
    int size;
    int x, y, width, height, xSrc, ySrc;
    QSize copied;
};

TEST_F(MemoryDC, BitBltCopiesExactlyWhatTheSourceHolds)
{
    for (const BlitRow& row : {BlitRow{20, 5, 7, 10, 8, 3, 4, QSize(10, 8)},
                               BlitRow{80, 10, 10, 100, 100, 40, 40, QSize(8, 8)}}) {
        QImage target = paper(row.size, row.size);
        {
            CDC dc(&target);
            EXPECT_TRUE(dc.BitBlt(row.x, row.y, row.width, row.height, &memory, row.xSrc, row.ySrc,
                                  SRCCOPY));
        }
        const QRect landed(QPoint(row.x, row.y), row.copied);
        EXPECT_TRUE(pixelsAre(target,
                              [&](int x, int y) {
                                  return landed.contains(x, y) ? source.pixel(x - row.x + row.xSrc,
                                                                              y - row.y + row.ySrc)
                                                               : kPaper;
                              }))
            << "copy to " << row.x << ", " << row.y;
    }
}

TEST_F(MemoryDC, OnlySourceCopyIsDone)
{
    constexpr DWORD SRCPAINT = 0x00EE0086;
    QImage target = paper(20, 20);
    {
        CDC dc(&target);
        EXPECT_FALSE(dc.BitBlt(0, 0, 20, 20, &memory, 0, 0, SRCPAINT));
        EXPECT_FALSE(dc.StretchBlt(0, 0, 20, 20, &memory, 0, 0, 48, 48, SRCPAINT));
    }
    EXPECT_TRUE(pixelsAre(target, [](int, int) { return kPaper; }));
}

TEST_F(MemoryDC, SelectObjectHandsBackTheBitmapItReplaces)
{
    CBitmap other;
    ASSERT_TRUE(other.LoadBitmap(IDB_ABOUT_BACK));
    EXPECT_EQ(memory.SelectObject(&other), &bitmap);
    EXPECT_EQ(memory.SelectObject(static_cast<CBitmap*>(nullptr)), &other);

    QImage target = paper(4, 4);
    CDC dc(&target);
    EXPECT_FALSE(dc.BitBlt(0, 0, 4, 4, &memory, 0, 0, SRCCOPY)) << "the memory context is empty";
    EXPECT_EQ(dc.SelectObject(&bitmap), nullptr) << "a window's context takes no bitmap";
    CRect all(0, 0, 4, 4);
    dc.FillSolidRect(all, RGB(0, 0, 0));
    EXPECT_EQ(target.pixel(3, 3), kBlack);
    EXPECT_EQ(bitmap.GetSafeHandle()->pixel(3, 3), source.pixel(3, 3));
}

TEST(CClientDC, PenLinesDrawOnTheClientArea)
{
    CDialog dlg(IDD_ABOUTBOX);
    ASSERT_TRUE(dlg.Create(IDD_ABOUTBOX));
    zoomToOwnSize(dlg);
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 3, RGB(0, 0, 0)));
    CPen unmade;
    {
        CClientDC dc(&dlg);
        EXPECT_EQ(dc.SelectObject(&pen), nullptr) << "the default pen is the null one";
        EXPECT_EQ(dc.SelectObject(&unmade), nullptr) << "a pen never created is refused";
        EXPECT_EQ(dc.MoveTo(10, 20), CPoint(0, 0));
        EXPECT_TRUE(dc.LineTo(60, 20));
        EXPECT_TRUE(dc.LineTo(60, 50));
        EXPECT_EQ(dc.MoveTo(0, 0), CPoint(60, 50));
        EXPECT_EQ(dc.SelectObject(static_cast<CPen*>(nullptr)), &pen);
        // The default pen is one pixel wide.
        dc.MoveTo(10, 70);
        dc.LineTo(40, 70);
    }
    const QImage& image = clientImage(dlg);
    const QRgb background = windowColour();
    // The ends are left out: the system draws no end point, and Qt rounds the caps.
    for (int x = 11; x < 60; ++x) {
        for (int y : {19, 20, 21})
            EXPECT_EQ(image.pixel(x, y), kBlack) << x << ", " << y;
    }
    for (int y = 21; y < 50; ++y) {
        for (int x : {59, 60, 61})
            EXPECT_EQ(image.pixel(x, y), kBlack) << x << ", " << y;
    }
    EXPECT_EQ(image.pixel(35, 17), background);
    EXPECT_EQ(image.pixel(35, 23), background);
    EXPECT_EQ(image.pixel(25, 70), kBlack);
    EXPECT_EQ(image.pixel(25, 69), background);
    EXPECT_EQ(image.pixel(25, 71), background);
}

} // namespace
