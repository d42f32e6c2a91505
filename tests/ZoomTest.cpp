// The main window shown larger or smaller as one: zoom keys, a dragged edge, the opening
// size, and the program still seeing its own client coordinates and pen width.
#include "DialogDriver.h"
#include "Pixels.h"
#include "ScriptedSeam.h"
#include "private/ClientSurface.h"
#include "zantoliceDlg.h"

#include <QScreen>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr int kControls[] = {IDC_OPEN,    IDC_START,   IDC_ABOUT,        IDC_QUESTION,
                             IDC_CHOICE1, IDC_CHOICE6, IDC_CHOICE_TEXT1, IDC_CHOICE_TEXT6,
                             IDC_SCORE,   IDC_CLEAR};

// A key pressed with Ctrl held.
struct ZoomKey {
    Qt::Key key;
    Qt::KeyboardModifiers more = Qt::NoModifier;
};
const ZoomKey kPlus{Qt::Key_Plus};
const ZoomKey kEquals{Qt::Key_Equal};
const ZoomKey kKeypadPlus{Qt::Key_Plus, Qt::KeypadModifier};
const ZoomKey kMinus{Qt::Key_Minus};
const ZoomKey kZero{Qt::Key_0};

::testing::AssertionResult near(const QRect& actual, const QRect& expected)
{
    const QMargins apart(actual.left() - expected.left(), actual.top() - expected.top(),
                         actual.right() - expected.right(), actual.bottom() - expected.bottom());
    if (std::abs(apart.left()) <= 1 && std::abs(apart.top()) <= 1 && std::abs(apart.right()) <= 1 &&
        std::abs(apart.bottom()) <= 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << actual.x() << ", " << actual.y() << ", " << actual.width() << " x "
           << actual.height() << "), expected (" << expected.x() << ", " << expected.y() << ", "
           << expected.width() << " x " << expected.height() << ")";
}

QRect times(const QRect& rect, qreal scale)
{
    return QRectF(QPointF(rect.topLeft()) * scale, QSizeF(rect.size()) * scale).toRect();
}

// `bitmap` tiled over the client area and shown `scale` times as large, read from `image`
// at `origin`: each pixel is a copy of the tile's pixel under it, give or take one for the
// rounding (no smoothing).
std::function<QRgb(int, int)> scaledTiles(const QImage& bitmap, qreal scale, const QImage& image,
                                          QPoint origin)
{
    return [=](int x, int y) {
        const QPoint at = origin + QPoint(x, y);
        const int sx = static_cast<int>((at.x() + 0.5) / scale);
        const int sy = static_cast<int>((at.y() + 0.5) / scale);
        const QRgb got = image.pixel(at);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int bx = (sx + dx + bitmap.width()) % bitmap.width();
                const int by = (sy + dy + bitmap.height()) % bitmap.height();
                if (bitmap.pixel(bx, by) == got)
                    return got;
            }
        }
        return bitmap.pixel(sx % bitmap.width(), sy % bitmap.height());
    };
}

class Zoom : public ::testing::Test {
protected:
    void SetUp() override
    {
        dlg = std::make_unique<CZantoliceDlg>();
        ASSERT_TRUE(dlg->Create(IDD_ZANTOLICE_DIALOG));
        AfxGetApp()->m_pMainWnd = dlg.get();
        window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
        opening = window()->size();
        zoomToOwnSize(*dlg);
        own = window()->size();
        for (int id : kControls)
            ownGeometry[id] = control(id)->geometry();
        ownPointSize = control(IDC_QUESTION)->font().pointSizeF();
    }

    void TearDown() override { AfxGetApp()->m_pMainWnd = nullptr; }

    QWidget* window() const { return dlg->GetHandle(); }
    QWidget* control(int id) const { return dlg->GetDlgItem(id)->GetHandle(); }
    ClientSurface* surface() const { return window()->findChild<ClientSurface*>(); }

    void press(const std::vector<ZoomKey>& keys)
    {
        for (const ZoomKey& key : keys)
            QTest::keyClick(window(), key.key, Qt::ControlModifier | key.more);
    }

    // Drags with the mouse along a line of the client area, given in client coordinates,
    // on the window as large as it is now shown.
    void stroke(QPoint from, QPoint to, qreal scale)
    {
        QTest::mousePress(surface(), Qt::LeftButton, {}, from * scale);
        QTest::mouseMove(surface(), ((from + to) / 2) * scale);
        QTest::mouseMove(surface(), to * scale);
        QTest::mouseRelease(surface(), Qt::LeftButton, {}, to * scale);
    }

    // A horizontal pen line from `from` to `to` (client coordinates), 3 pixels wide, shows
    // `scale` times as large in the client image, and nothing shows beside it.
    ::testing::AssertionResult lineShows(QPoint from, QPoint to, qreal scale)
    {
        const QImage& image = clientImage(*dlg);
        const int y = qRound(from.y() * scale);
        const int inside = static_cast<int>(std::floor(scale));
        const int outside = static_cast<int>(std::ceil(1.5 * scale + 1));
        for (int x = qRound((from.x() + 2) * scale); x < qRound((to.x() - 2) * scale); ++x) {
            for (int dy = -inside; dy <= inside; ++dy) {
                if (image.pixel(x, y + dy) != kBlack)
                    return ::testing::AssertionFailure() << "no line at " << x << ", " << y + dy;
            }
            for (int dy : {-outside, outside}) {
                if (image.pixel(x, y + dy) == kBlack)
                    return ::testing::AssertionFailure() << "line at " << x << ", " << y + dy;
            }
        }
        return ::testing::AssertionSuccess();
    }

    ScriptedSeam seam;
    std::unique_ptr<CZantoliceDlg> dlg;
    QSize opening;
    QSize own;
    std::map<int, QRect> ownGeometry;
    qreal ownPointSize = 0;
};

struct LevelRow {
    const char* name;
    std::vector<ZoomKey> keys;
    qreal scale;
};

std::ostream& operator<<(std::ostream& os, const LevelRow& row)
{
    return os << row.name;
}

class ZoomLevel : public Zoom, public ::testing::WithParamInterface<LevelRow> {};

TEST_P(ZoomLevel, ScalesTheWholeLayoutWhileTheProgramSeesItsOwnCoordinates)
{
    const LevelRow& row = GetParam();
    // A line drawn at the window's own size, on the free band below the score line.
    const int band = (ownGeometry[IDC_SCORE].bottom() + 20) / 4 * 4;
    const QPoint first(8, band), firstEnd(100, band);
    stroke(first, firstEnd, 1);

    press(row.keys);
    EXPECT_TRUE(near(window()->rect(), times(QRect(QPoint(), own), row.scale)));
    for (int id : kControls)
        EXPECT_TRUE(near(control(id)->geometry(), times(ownGeometry[id], row.scale))) << id;
    EXPECT_NEAR(control(IDC_QUESTION)->font().pointSizeF(), ownPointSize * row.scale, 0.01);
    CRect client;
    dlg->GetClientRect(client);
    EXPECT_EQ(QSize(client.Width(), client.Height()), surface()->clientSize());
    EXPECT_EQ(surface()->size(), (QSizeF(surface()->clientSize()) * row.scale).toSize());

    const QImage background = bitmapResource(IDB_MAIN_BACK);
    const QImage& image = clientImage(*dlg);
    EXPECT_TRUE(
        pixelsAre(image.copy(0, 0, 100, 100), scaledTiles(background, row.scale, image, {})))
        << "the background bitmap, scaled";
    EXPECT_TRUE(lineShows(first, firstEnd, row.scale)) << "the line drawn before stays put";

    const QPoint second(8, band + 12), secondEnd(100, band + 12);
    stroke(second, secondEnd, row.scale);
    EXPECT_EQ(g_nLastX, secondEnd.x());
    EXPECT_EQ(g_nLastY, secondEnd.y());
    EXPECT_TRUE(lineShows(second, secondEnd, row.scale));

    QSize aboutClient;
    seam.onModal = [&](CDialog& box) {
        aboutClient = box.GetHandle()->findChild<ClientSurface*>()->size();
        return IDOK;
    };
    clickButton(*dlg, IDC_ABOUT);
    EXPECT_EQ(aboutClient, surface()->size()) << "the About box takes the window's place";

    clickButton(*dlg, IDC_CLEAR);
    const QRect pad(0, qRound(band * row.scale) - 10, 100, 40);
    EXPECT_TRUE(
        pixelsAre(image.copy(pad), scaledTiles(background, row.scale, image, pad.topLeft())))
        << "C wipes the pad";
}

INSTANTIATE_TEST_SUITE_P(
    Zoom, ZoomLevel,
    ::testing::Values(LevelRow{"OwnSize", {}, 1.0},
                      LevelRow{"PlusAndEquals", {kPlus, kEquals}, 1.5},
                      LevelRow{
                          "KeypadPlus", {kKeypadPlus, kKeypadPlus, kKeypadPlus, kKeypadPlus}, 2.0}),
    [](const auto& info) { return std::string(info.param.name); });

// How large the window gets from its own size after keys and then a dragged edge.
struct SizeRow {
    const char* name;
    std::vector<ZoomKey> keys;
    QSizeF drag; // the new size as multiples of the old one
    enum { Scale, Opening, FitsTheScreen } expected;
    qreal scale;
};

TEST_F(Zoom, SizeStaysInProportionAndInBounds)
{
    const QRect available = window()->screen()->availableGeometry();
    const SizeRow rows[] = {
        {"Ctrl0GoesBackToTheOpeningSize", {kPlus, kPlus, kZero}, {}, SizeRow::Opening, 0},
        {"ZoomOutStopsAtTheOwnSize", {kMinus, kMinus}, {}, SizeRow::Scale, 1},
        {"ZoomInStopsWhereTheWindowFills",
         std::vector<ZoomKey>(12, kPlus),
         {},
         SizeRow::FitsTheScreen,
         0},
        {"DraggingTheRightEdge", {}, {1.6, 1}, SizeRow::Scale, 1.6},
        {"DraggingTheBottomEdge", {}, {1, 1.8}, SizeRow::Scale, 1.8},
        {"DraggingSmallerStopsAtTheOwnSize", {kPlus, kPlus}, {0.5, 1}, SizeRow::Scale, 1},
    };
    // The opening size is about half the screen's height.
    EXPECT_NEAR(opening.height(), available.height() / 2, 1);
    EXPECT_NEAR(opening.width(), own.width() * opening.height() / own.height(), 1);
    for (const SizeRow& row : rows) {
        zoomToOwnSize(*dlg);
        press(row.keys);
        if (!row.drag.isEmpty())
            window()->resize(qRound(window()->width() * row.drag.width()),
                             qRound(window()->height() * row.drag.height()));
        const QSize frame = window()->frameGeometry().size() - window()->size();
        const qreal scale =
            row.expected == SizeRow::Opening ? qreal(opening.height()) / own.height()
            : row.expected == SizeRow::FitsTheScreen
                ? std::min(qreal(available.width() - frame.width()) / own.width(),
                           qreal(available.height() - frame.height()) / own.height())
                : row.scale;
        EXPECT_TRUE(near(window()->rect(), times(QRect(QPoint(), own), scale))) << row.name;
        EXPECT_TRUE(near(surface()->geometry(),
                         times(QRect(QPoint(0, own.height() - surface()->clientSize().height()),
                                     surface()->clientSize()),
                               scale)))
            << row.name;
    }
}

} // namespace
