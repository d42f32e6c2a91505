#include "Pixels.h"

#include "private/ClientSurface.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>
#include <stdexcept>

QImage bitmapResource(UINT id)
{
    return QImage(QStringLiteral(":/res/bitmap%1.bmp").arg(id))
        .convertToFormat(QImage::Format_RGB32);
}

QRgb windowColour()
{
    return QGuiApplication::palette().color(QPalette::Window).rgb();
}

QImage& clientImage(CWnd& dialog)
{
    auto* surface = dialog.GetHandle() ? dialog.GetHandle()->findChild<ClientSurface*>() : nullptr;
    if (!surface)
        throw std::logic_error("the dialog has no client surface");
    return surface->image();
}

::testing::AssertionResult pixelsAre(const QImage& actual,
                                     const std::function<QRgb(int, int)>& expected)
{
    if (actual.isNull())
        return ::testing::AssertionFailure() << "no image";
    int wrong = 0;
    QString first;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb want = expected(x, y) | 0xFF000000;
            const QRgb got = actual.pixel(x, y);
            if (got == want)
                continue;
            if (wrong++ == 0)
                first = QStringLiteral("(%1, %2) is #%3, expected #%4")
                            .arg(x)
                            .arg(y)
                            .arg(got & 0xFFFFFF, 6, 16, QChar(u'0'))
                            .arg(want & 0xFFFFFF, 6, 16, QChar(u'0'));
        }
    }
    if (wrong == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << wrong << " of " << actual.width() << " x " << actual.height() << " pixels differ; "
           << first.toStdString();
}

std::function<QRgb(int, int)> tiled(const QImage& bitmap)
{
    return [bitmap](int x, int y) { return bitmap.pixel(x % bitmap.width(), y % bitmap.height()); };
}
