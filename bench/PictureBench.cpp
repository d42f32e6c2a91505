// How soon a question's picture is on the pad: NEXT pressed, the picture read from the list,
// decoded and painted, for a KVTML list's photo beside it and a deck's in its media, each as
// a camera's JPEG and a PNG. Every entry has a picture, so every draw shows one; the same
// list without pictures is the baseline. The goal is at most 50 ms from the press.
#include "BenchApp.h"
#include "DialogDriver.h"
#include "DictionaryWriter.h"
#include "FixedClock.h"
#include "PackageWriter.h"
#include "ScriptedSeam.h"
#include "zantoliceDlg.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>

namespace {

constexpr int kEntries = 40;

// A photograph's worth of detail: gradients under noise, which compress as photos do.
QByteArray photo(QSize size, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int noise = static_cast<int>(random.bounded(32));
            line[x] = qRgb((x * 255 / size.width() + noise) % 256,
                           (y * 255 / size.height() + noise) % 256, (x + y + noise) % 256);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return bytes;
}

enum class Source { Kvtml, Deck };

std::string list(DictionaryWriter& files, Source source, const QByteArray& picture)
{
    const std::string name = picture.isEmpty() ? "" : "photo";
    if (source == Source::Deck) {
        std::vector<AnkiNote> notes;
        for (int i = 0; i < kEntries; ++i)
            notes.push_back(ankiNote("word" + std::to_string(i),
                                     "meaning " + std::to_string(i) +
                                         (name.empty() ? "" : "<img src=\"photo\">")));
        AnkiMedia media;
        if (!name.empty())
            media.emplace_back("photo", picture);
        return files.writeBytes("deck.apkg",
                                ankiDeck(AnkiLayout::Anki21bWithMeta, notes, media).toStdString());
    }
    if (!name.empty())
        files.writeBytes("photo", picture.toStdString());
    std::string xml = "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><entries>";
    for (int i = 0; i < kEntries; ++i)
        xml += "<entry id=\"" + std::to_string(i) + "\"><translation id=\"0\"><text>word" +
               std::to_string(i) + "</text>" + (name.empty() ? "" : "<image>photo</image>") +
               "</translation><translation id=\"1\"><text>meaning " + std::to_string(i) +
               "</text></translation></entry>";
    return files.writeBytes("list.kvtml", xml + "</entries></kvtml>");
}

void PictureAfterNext(benchmark::State& state, Source source, QSize size, const char* format)
{
    DictionaryWriter files;
    const QByteArray picture = size.isEmpty() ? QByteArray() : photo(size, format);
    ScriptedSeam seam;
    FixedClock clock;
    CZantoliceDlg dlg;
    dlg.Create(IDD_ZANTOLICE_DIALOG);
    seam.answerOpenFile(list(files, source, picture));
    clickButton(dlg, IDC_OPEN);
    int second = 0;
    for (auto _ : state) {
        clock.set(second++ % 60);
        clickButton(dlg, IDC_START);
    }
    if (!seam.messages.empty() && seam.messages.back().caption == u"Picture")
        state.SkipWithError("the picture was not shown");
    state.counters["picture_KiB"] = static_cast<double>(picture.size()) / 1024;
    state.counters["goal_ms"] = 50;
}

BENCHMARK_CAPTURE(PictureAfterNext, KvtmlWithout, Source::Kvtml, QSize(), "")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(PictureAfterNext, KvtmlJpeg4000x3000, Source::Kvtml, QSize(4000, 3000), "JPEG")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(PictureAfterNext, KvtmlPng1024x768, Source::Kvtml, QSize(1024, 768), "PNG")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(PictureAfterNext, DeckWithout, Source::Deck, QSize(), "")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(PictureAfterNext, DeckJpeg1600x1200, Source::Deck, QSize(1600, 1200), "JPEG")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(PictureAfterNext, DeckPng1024x768, Source::Deck, QSize(1024, 768), "PNG")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    BenchApp app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
