// The bitmap background of a dialog, read pixel by pixel from its client area.
#include "BDialog.h"
#include "DialogDriver.h"
#include "Pixels.h"
#include "resource.h"

#include "private/ClientSurface.h"

#include <gtest/gtest.h>

namespace {

class Background : public ::testing::Test {
protected:
    // Creates the window (whose first erase paints it) and returns what it shows.
    const QImage& create()
    {
        EXPECT_TRUE(dlg.Create(IDD_ABOUTBOX));
        zoomToOwnSize(dlg);
        return clientImage(dlg);
    }

    // Gives the client area that size and erases it again.
    const QImage& erase(int width, int height)
    {
        auto* surface = dlg.GetHandle()->findChild<ClientSurface*>();
        surface->setClientSize(QSize(width, height), 1);
        surface->eraseBackground();
        EXPECT_EQ(surface->image().size(), QSize(width, height));
        return surface->image();
    }

    BDialog dlg{IDD_ABOUTBOX};
};

struct PlacementRow {
    const char* name;
    UINT bitmap;
    int width;
    int height;
    int x; // where the bitmap's top-left corner lands when centred (0 otherwise)
    int y;
};

std::ostream& operator<<(std::ostream& os, const PlacementRow& row)
{
    return os << row.name;
}

std::string rowName(const ::testing::TestParamInfo<PlacementRow>& info)
{
    return info.param.name;
}

// One row's bitmap drawn in one mode on one row's client area.
class Placement : public Background, public ::testing::WithParamInterface<PlacementRow> {
protected:
    const QImage& paint(int mode)
    {
        const PlacementRow& row = GetParam();
        dlg.SetBkBitmap(row.bitmap);
        dlg.SetBkDrawMode(mode);
        create();
        return erase(row.width, row.height);
    }

    const QImage bitmap = bitmapResource(GetParam().bitmap);
};

TEST_F(Background, FirstEraseAlreadyFindsTheBitmap)
{
    ASSERT_EQ(dlg.SetBkBitmap(IDB_ABOUT_BACK), 0);
    const QImage& image = create();
    EXPECT_GT(image.width(), 64);
    EXPECT_GT(image.height(), 64);
    EXPECT_TRUE(pixelsAre(image, tiled(bitmapResource(IDB_ABOUT_BACK))));
}

// Bitmap ids the background cannot use: an icon, a dialog template, nothing at all.
class NoBitmap : public Background, public ::testing::WithParamInterface<UINT> {};

TEST_P(NoBitmap, LoadFailsAndOnlyThePlainEraseIsPainted)
{
    EXPECT_EQ(dlg.SetBkBitmap(GetParam()), 1);
    create();
    const QRgb plain = windowColour();
    EXPECT_TRUE(pixelsAre(erase(100, 60), [plain](int, int) { return plain; }));
}

INSTANTIATE_TEST_SUITE_P(Background, NoBitmap,
                         ::testing::Values(IDR_MAINFRAME, IDD_ABOUTBOX, 4242u));

using Tile = Placement;

TEST_P(Tile, RepeatsTheBitmapFromTheTopLeftCutAtTheEdges)
{
    EXPECT_TRUE(pixelsAre(paint(BDialog::BKDRAW_TILE), tiled(bitmap)));
}

INSTANTIATE_TEST_SUITE_P(Background, Tile,
                         ::testing::Values(PlacementRow{"SixCopiesCut", IDB_MAIN_BACK, 100, 60, 0,
                                                        0},
                                           PlacementRow{"OneCopy", IDB_MAIN_BACK, 48, 48, 0, 0},
                                           PlacementRow{"Palette", IDB_ABOUT_BACK, 240, 300, 0, 0}),
                         rowName);

using Centre = Placement;

TEST_P(Centre, PlacesTheBitmapOverThePlainErase)
{
    const PlacementRow& row = GetParam();
    const QRgb plain = windowColour();
    EXPECT_TRUE(pixelsAre(paint(BDialog::BKDRAW_CENTER), [&](int x, int y) {
        const int bx = x - row.x;
        const int by = y - row.y;
        return bitmap.valid(bx, by) ? bitmap.pixel(bx, by) : plain;
    }));
}

INSTANTIATE_TEST_SUITE_P(
    Background, Centre,
    ::testing::Values(PlacementRow{"Centred", IDB_ABOUT_BACK, 240, 300, 88, 118},
                      PlacementRow{"OddDifferenceRoundsDown", IDB_ABOUT_BACK, 71, 71, 3, 3},
                      PlacementRow{"WiderThanClientLeftAligned", IDB_ABOUT_BACK, 50, 100, 0, 18},
                      PlacementRow{"AsWideAsClient", IDB_ABOUT_BACK, 64, 90, 0, 13},
                      PlacementRow{"LargerBothWays", IDB_ABOUT_BACK, 40, 30, 0, 0},
                      PlacementRow{"Truecolour", IDB_MAIN_BACK, 100, 60, 26, 6}),
    rowName);

// Every pixel is a copy of a source pixel within one of where exact scaling samples it
// (Qt rounds a little differently): no smoothing, no tiling, no part left uncovered.
std::function<QRgb(int, int)> stretched(const QImage& bitmap, int width, int height,
                                        const QImage& actual)
{
    return [=](int x, int y) {
        const int sx = (2 * x + 1) * bitmap.width() / (2 * width);
        const int sy = (2 * y + 1) * bitmap.height() / (2 * height);
        const QRgb got = actual.pixel(x, y);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (bitmap.valid(sx + dx, sy + dy) && bitmap.pixel(sx + dx, sy + dy) == got)
                    return got;
            }
        }
        return bitmap.pixel(sx, sy);
    };
}

using Stretch = Placement;

TEST_P(Stretch, ScalesTheWholeBitmapToTheWholeArea)
{
    const PlacementRow& row = GetParam();
    const QImage& image = paint(BDialog::BKDRAW_STRETCH);
    EXPECT_TRUE(pixelsAre(image, stretched(bitmap, row.width, row.height, image)));
}

INSTANTIATE_TEST_SUITE_P(Background, Stretch,
                         ::testing::Values(PlacementRow{"Wide", IDB_MAIN_BACK, 100, 60, 0, 0},
                                           PlacementRow{"TallAndNarrow", IDB_ABOUT_BACK, 50, 130, 0,
                                                        0},
                                           PlacementRow{"Shrunk", IDB_ABOUT_BACK, 30, 20, 0, 0}),
                         rowName);

TEST_F(Background, ModesOutsideTheThreeAreIgnored)
{
    dlg.SetBkBitmap(IDB_MAIN_BACK);
    create();
    const QImage bitmap = bitmapResource(IDB_MAIN_BACK);
    dlg.SetBkDrawMode(BDialog::BKDRAW_STRETCH);
    for (int mode : {3, -1}) {
        dlg.SetBkDrawMode(mode);
        const QImage& image = erase(100, 60);
        EXPECT_TRUE(pixelsAre(image, stretched(bitmap, 100, 60, image))) << "mode " << mode;
    }
}

TEST_F(Background, ModeTakesEffectAtTheNextErase)
{
    dlg.SetBkBitmap(IDB_MAIN_BACK);
    const QImage& image = create();
    const QImage before = image.copy();
    dlg.SetBkDrawMode(BDialog::BKDRAW_CENTER);
    EXPECT_EQ(image, before) << "no repaint until the next erase";
    const QImage& after = erase(100, 60);
    EXPECT_EQ(after.pixel(0, 0), windowColour());
    EXPECT_EQ(after.pixel(26, 6), bitmapResource(IDB_MAIN_BACK).pixel(0, 0));
}

} // namespace
