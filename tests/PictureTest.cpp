// The question's picture as a learner sees it: a KVTML list's <image> and a deck's <img>, in
// both media layouts, painted on the pad under the strokes; "C" keeps it, and the next
// question replaces or clears it. Bad pictures are told once, and the drill goes on.
#include "DialogDriver.h"
#include "DictionaryWriter.h"
#include "FixedClock.h"
#include "PackageWriter.h"
#include "Pixels.h"
#include "ScriptedSeam.h"
#include "zantoliceDlg.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

QByteArray picture(QRgb colour, const char* format = "PNG", QSize size = QSize(60, 40))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian(static_cast<quint32>(data.size()), chunk.data());
    chunk += type + data;
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(type + data), crc.data());
    return chunk + crc;
}

// A PNG whose header says `width` x `height` (8-bit grey) and whose data unpack to
// `dataBytes` zeros.
QByteArray pngClaiming(quint32 width, quint32 height, qsizetype dataBytes)
{
    QByteArray header(13, '\0');
    qToBigEndian(width, header.data());
    qToBigEndian(height, header.data() + 4);
    header[8] = 8;
    // qCompress puts the unpacked size before the zlib stream.
    const QByteArray data = qCompress(QByteArray(dataBytes, '\0'), 9).mid(4);
    return "\x89PNG\r\n\x1A\n" + pngChunk("IHDR", header) + pngChunk("IDAT", data) +
           pngChunk("IEND", {});
}

// Eight German words; the first two have the pictures named.
QByteArray kvtmlList(const std::string& firstPicture, const std::string& secondPicture = {})
{
    std::string xml = R"(<?xml version="1.0" encoding="UTF-8"?><kvtml version="2.0"><identifiers>
<identifier id="0"><locale>de</locale></identifier><identifier id="1"><locale>en</locale>
</identifier></identifiers><entries>)";
    const char* words[][2] = {{"Haus", "house"}, {"Baum", "tree"},    {"Hund", "dog"},
                              {"Katze", "cat"},  {"Brot", "bread"},   {"Wasser", "water"},
                              {"Stadt", "town"}, {"Straße", "street"}};
    for (int i = 0; i < 8; ++i) {
        const std::string& name = i == 0 ? firstPicture : i == 1 ? secondPicture : std::string();
        xml += "<entry id=\"" + std::to_string(i) + "\"><translation id=\"0\"><text>" +
               words[i][0] + "</text>" + (name.empty() ? "" : "<image>" + name + "</image>") +
               "</translation><translation id=\"1\"><text>" + words[i][1] +
               "</text></translation></entry>";
    }
    return QByteArray::fromStdString(xml + "</entries></kvtml>");
}

// The same words as a deck, whose pictures go with the meanings, as decks usually keep them.
QByteArray deck(AnkiLayout layout, const AnkiMedia& media)
{
    return ankiDeck(layout,
                    {ankiNote("Haus", "house<br><img src=\"haus.png\">"),
                     ankiNote("Baum", "<div><img class=\"big\" src='baum.jpg' /></div>tree"),
                     ankiNote("Hund", "dog"), ankiNote("Katze", "cat"), ankiNote("Brot", "bread"),
                     ankiNote("Wasser", "water"), ankiNote("Stadt", "town"),
                     ankiNote("Straße", "street")},
                    media);
}

class Pictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        dlg = std::make_unique<CZantoliceDlg>();
        ASSERT_TRUE(dlg->Create(IDD_ZANTOLICE_DIALOG));
        QDir().mkpath(QString::fromStdString(files.path("list/pictures")));
    }

    void open(const std::string& name, const QByteArray& bytes)
    {
        seam.answerOpenFile(files.writeBytes(name, bytes.toStdString()));
        clickButton(*dlg, IDC_OPEN);
        seam.messages.clear();
    }

    void drawUntil(const std::u16string& word)
    {
        ASSERT_TRUE(::drawUntil(*dlg, clock, word)) << "no draw asks the word";
    }

    // Pixels of `colour`, or near it: JPEG keeps colours only roughly.
    int pixelsOf(QRgb colour)
    {
        const QImage& image = clientImage(*dlg);
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                count += std::abs(qRed(pixel) - qRed(colour)) +
                             std::abs(qGreen(pixel) - qGreen(colour)) +
                             std::abs(qBlue(pixel) - qBlue(colour)) <
                         40;
            }
        }
        return count;
    }

    FixedClock clock;
    ScriptedSeam seam;
    DictionaryWriter files;
    std::unique_ptr<CZantoliceDlg> dlg;
};

struct PicturedList {
    const char* name;
    const char* fileName;
    std::function<QByteArray(DictionaryWriter&)> list;
};

void PrintTo(const PicturedList& list, std::ostream* os)
{
    *os << list.name;
}

class PicturedLists : public Pictures, public ::testing::WithParamInterface<PicturedList> {};

TEST_P(PicturedLists, ShowTheQuestionsPictureUnderTheStrokes)
{
    open(GetParam().fileName, GetParam().list(files));
    drawUntil(u"Haus");
    const int red = pixelsOf(kRed);
    EXPECT_GT(red, 1000) << "the picture is not on the pad";
    EXPECT_EQ(windowText(*dlg, IDC_CHOICE_TEXT1).find(u"<img"), std::u16string::npos);

    // A stroke across the pad lies over the picture, and "C" wipes only the stroke.
    const CRect client = [&] {
        CRect rect;
        dlg->GetClientRect(rect);
        return rect;
    }();
    const int y = client.bottom - 20;
    dlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(0, y));
    dlg->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right, y));
    EXPECT_LT(pixelsOf(kRed), red) << "the stroke is not over the picture";
    clickButton(*dlg, IDC_CLEAR);
    EXPECT_EQ(pixelsOf(kRed), red) << "\"C\" took the picture";

    drawUntil(u"Baum");
    EXPECT_EQ(pixelsOf(kRed), 0) << "the next question kept the old picture";
    EXPECT_GT(pixelsOf(kBlue), 1000) << "the next question's picture is not shown";
    drawUntil(u"Hund");
    EXPECT_EQ(pixelsOf(kBlue), 0) << "a question without a picture kept the last";
    EXPECT_TRUE(seam.messages.empty());

    // The progress view counts the entries with a picture.
    CString strViewText;
    seam.onModal = [&](CDialog& view) -> INT_PTR {
        view.GetDlgItem(IDC_PROGRESS_TEXT)->GetWindowText(strViewText);
        return IDOK;
    };
    sendCommand(*dlg, ID_PROGRESS_VIEW);
    EXPECT_NE(std::u16string(strViewText).find(u"Pictures: 2 of 8 entries"), std::u16string::npos)
        << QString::fromUtf16(static_cast<LPCTSTR>(strViewText)).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    KvtmlAndDecks, PicturedLists,
    ::testing::Values(
        PicturedList{"Kvtml", "list/german.kvtml",
                     [](DictionaryWriter& files) {
                         files.writeBytes("list/pictures/haus.png", picture(kRed).toStdString());
                         files.writeBytes("list/baum.jpg", picture(kBlue, "JPEG").toStdString());
                         return kvtmlList("pictures/haus.png", "file:baum.jpg");
                     }},
        PicturedList{"DeckWithJsonMedia", "german.apkg",
                     [](DictionaryWriter&) {
                         return deck(AnkiLayout::Anki21WithMeta,
                                     {{"haus.png", picture(kRed)},
                                      {"baum.jpg", picture(kBlue, "JPEG", QSize(300, 200))}});
                     }},
        PicturedList{"DeckWithPackedMedia", "german.apkg",
                     [](DictionaryWriter&) {
                         return deck(AnkiLayout::Anki21bWithMeta,
                                     {{"haus.png", picture(kRed)}, {"baum.jpg", picture(kBlue)}});
                     }}),
    [](const auto& info) { return std::string(info.param.name); });

// The peak of the process's resident memory, in MiB.
long peakMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ')[0].toLong() / 1024;
    return 0;
}

struct BadPicture {
    const char* name;
    std::function<QByteArray(DictionaryWriter&)> picture; // written as list/bad.png
    const char* named;                                    // what the list calls it
    const char16_t* reason;
};

void PrintTo(const BadPicture& bad, std::ostream* os)
{
    *os << bad.name;
}

class BadPictures : public Pictures, public ::testing::WithParamInterface<BadPicture> {};

TEST_P(BadPictures, AreToldOnceAndTheDrillGoesOn)
{
    const BadPicture& bad = GetParam();
    files.writeBytes("list/bad.png", bad.picture(files).toStdString());
    open("list/german.kvtml", kvtmlList(bad.named));
    const long peakBefore = peakMemoryMiB();
    drawUntil(u"Haus");
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_NE(seam.messages[0].text.find(bad.reason), std::u16string::npos)
        << QString::fromStdU16String(seam.messages[0].text).toStdString();
    EXPECT_EQ(pixelsOf(kRed), 0) << "the refused picture was shown";
    EXPECT_NE(windowText(*dlg, IDC_CHOICE_TEXT1), u"") << "the drill did not go on";

    drawUntil(u"Baum");
    drawUntil(u"Haus");
    EXPECT_EQ(seam.messages.size(), 1u) << "told more than once";
    EXPECT_LT(peakMemoryMiB() - peakBefore, 300) << "the picture took unbounded memory";
}

INSTANTIATE_TEST_SUITE_P(
    Refused, BadPictures,
    ::testing::Values(
        BadPicture{"Corrupt",
                   [](DictionaryWriter&) { return picture(kRed).left(60) + QByteArray(500, 'x'); },
                   "bad.png", u"damaged"},
        BadPicture{"HugeDimensions",
                   [](DictionaryWriter&) {
                       // A GIF frame as large as it can say, with two colours and no pixels.
                       const QByteArray screen("GIF89a\xFF\xFF\xFF\xFF\x80\0\0", 13);
                       const QByteArray colours("\0\0\0\xFF\xFF\xFF", 6);
                       const QByteArray frame(",\0\0\0\0\xFF\xFF\xFF\xFF\0\x02\x02\x4C\x01\0;", 16);
                       return screen + colours + frame;
                   },
                   "bad.png", u"larger than a picture may be"},
        BadPicture{"DecompressionBomb",
                   [](DictionaryWriter&) { return pngClaiming(30000, 30000, 8 * 1024 * 1024); },
                   "bad.png", u"larger than a picture may be"},
        BadPicture{"Svg",
                   [](DictionaryWriter&) {
                       return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" "
                                         "height=\"9\"><rect width=\"9\" height=\"9\" "
                                         "fill=\"red\"/></svg>");
                   },
                   "bad.png", u"not a PNG, JPEG, GIF or WebP picture"},
        BadPicture{"Missing", [](DictionaryWriter&) { return QByteArray(); }, "nowhere.png",
                   u"no such file"},
        BadPicture{"OutsideTheFolder",
                   [](DictionaryWriter& files) {
                       files.writeBytes("outside.png", picture(kRed).toStdString());
                       return QByteArray();
                   },
                   "../outside.png", u"outside the list's folder"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
