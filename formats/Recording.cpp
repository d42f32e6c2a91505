// The recordings that lists name for their entries, read when one is played: a file beside
// a KVTML list, or a sound among a deck package's media.
#include "WordList.h"

#include "Protobuf.h"
#include "ZipArchive.h"
#include "ZstdFrame.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrl>

namespace formats {

namespace {

// Far beyond a spoken word or sentence, in any format.
constexpr qint64 kMaxRecordingSize = 32 * 1024 * 1024;
// A deck's list of media names: some ten thousand names take a megabyte.
constexpr qint64 kMaxMediaListSize = 16 * 1024 * 1024;

// A name that can only lead into the list's folder or package: relative, with no ".." step,
// and in the one form (NFC) that Anki and the file systems of other machines agree on.
bool isSafeName(const QString& name)
{
    if (name.isEmpty() || name.size() > 1024 || name.contains(QChar(0)) || name.startsWith(u'/') ||
        name.startsWith(u'\\') || (name.size() > 1 && name[1] == u':') ||
        name.normalized(QString::NormalizationForm_C) != name)
        return false;
    static const QRegularExpression separator(QStringLiteral(R"([/\\])"));
    return !name.split(separator).contains(QStringLiteral(".."));
}

// mp3 (with its tag or from its first frame), Ogg (Vorbis, Opus), WAV and FLAC.
bool isSound(const QByteArray& bytes)
{
    if (bytes.size() < 12)
        return false;
    const auto byte = [&bytes](int at) { return static_cast<quint8>(bytes[at]); };
    return bytes.startsWith("ID3") || (byte(0) == 0xFF && (byte(1) & 0xE0) == 0xE0) ||
           bytes.startsWith("OggS") || bytes.startsWith("fLaC") ||
           (bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE");
}

QString readFileRecording(const QString& listPath, QString name, QByteArray& sound)
{
    if (name.startsWith(QStringLiteral("file:")))
        name = QUrl(name).path(QUrl::FullyDecoded);
    if (!isSafeName(name))
        return QStringLiteral("its name leads outside the list's folder");
    const QDir folder = QFileInfo(listPath).absoluteDir();
    const QFileInfo file(folder.filePath(name));
    if (!file.exists())
        return QStringLiteral("there is no such file beside the list");
    // A link may lead anywhere.
    if (!file.canonicalFilePath().startsWith(folder.canonicalPath() + u'/') || !file.isFile())
        return QStringLiteral("it is not a file in the list's folder");
    if (file.size() > kMaxRecordingSize)
        return QStringLiteral("it is over %1 MB").arg(kMaxRecordingSize / (1024 * 1024));
    QFile input(file.filePath());
    if (!input.open(QIODevice::ReadOnly))
        return input.errorString();
    sound = input.read(kMaxRecordingSize + 1);
    if (sound.size() > kMaxRecordingSize)
        return QStringLiteral("it is over %1 MB").arg(kMaxRecordingSize / (1024 * 1024));
    return {};
}

// The number of the member that holds the sound `name`, from the package's list of media:
// JSON {"0": "name.mp3", ...} in older packages, and in the newest a zstd-packed protobuf
// MediaEntries { repeated MediaEntry entries = 1; } whose entry i, with its name in field 1,
// is member i. `packed` tells the newest layout, whose members are packed too.
int mediaMember(const QByteArray& list, const QString& name, bool& packed, QString& problem)
{
    packed = list.startsWith("\x28\xB5\x2F\xFD");
    if (!packed) {
        const QJsonObject media = QJsonDocument::fromJson(list).object();
        for (auto it = media.begin(); it != media.end(); ++it) {
            bool number = false;
            const int member = it.key().toInt(&number);
            if (number && member >= 0 && it.value().toString() == name)
                return member;
        }
        return -1;
    }
    QByteArray entries;
    if (unpackZstd(list, kMaxMediaListSize, entries) != Unpacked::Whole) {
        problem = QStringLiteral("the deck's list of media is damaged");
        return -1;
    }
    const QByteArray wanted = name.toUtf8();
    int index = 0;
    int found = -1;
    const bool whole = forEachField(entries, [&](const ProtobufField& entry) {
        if (entry.number != 1 || entry.wireType != 2)
            return true;
        forEachField(entry.bytes, [&](const ProtobufField& field) {
            if (field.number == 1 && field.wireType == 2 && field.bytes == wanted)
                found = index;
            return found < 0;
        });
        ++index;
        return found < 0;
    });
    if (!whole)
        problem = QStringLiteral("the deck's list of media is damaged");
    return found;
}

QString readDeckRecording(const QString& deckPath, const QString& name, QByteArray& sound)
{
    if (!isSafeName(name))
        return QStringLiteral("its name leads outside the deck");
    const ZipArchive zip(deckPath);
    if (!zip.problem().isEmpty())
        return zip.problem();
    QByteArray list;
    QString problem = zip.read("media", list, kMaxMediaListSize);
    if (!problem.isEmpty())
        return problem;
    bool packed = false;
    const int member = mediaMember(list, name, packed, problem);
    if (!problem.isEmpty())
        return problem;
    if (member < 0)
        return QStringLiteral("the deck holds no sound of that name");
    const QByteArray memberName = QByteArray::number(member);
    problem = zip.read(memberName.constData(), sound, kMaxRecordingSize);
    if (!problem.isEmpty() || !packed)
        return problem;
    const QByteArray content = std::move(sound);
    switch (unpackZstd(content, kMaxRecordingSize, sound)) {
    case Unpacked::Damaged:
        return QStringLiteral("it is damaged");
    case Unpacked::TooLarge:
        return QStringLiteral("it is over %1 MB").arg(kMaxRecordingSize / (1024 * 1024));
    case Unpacked::Whole:
        break;
    }
    return {};
}

} // namespace

std::u16string readRecording(const std::u16string& listPath, FileKind kind,
                             const std::u16string& name, std::string& sound)
{
    QByteArray bytes;
    const QString path = QString::fromStdU16String(listPath);
    QString problem;
    if (kind == FileKind::AnkiDeck)
        problem = readDeckRecording(path, QString::fromStdU16String(name), bytes);
    else if (kind == FileKind::Kvtml)
        problem = readFileRecording(path, QString::fromStdU16String(name), bytes);
    else
        problem = QStringLiteral("this kind of list keeps no recordings");
    if (problem.isEmpty() && !isSound(bytes))
        problem = QStringLiteral("it is not a sound file (mp3, Ogg, WAV or FLAC)");
    sound.clear();
    if (problem.isEmpty())
        sound.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return problem.toStdU16String();
}

} // namespace formats
