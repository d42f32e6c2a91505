// The recordings and pictures that a deck package names for its entries: files among its
// media.
#include "Protobuf.h"
#include "Recording.h"
#include "WordList.h"
#include "ZipArchive.h"
#include "ZstdFrame.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace formats {

namespace {

// A deck's list of media names: some ten thousand names take a megabyte.
constexpr qint64 kMaxMediaListSize = 16 * 1024 * 1024;

// The number of the member that holds the file `name`, from the package's list of media:
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
        problem = QCoreApplication::translate("formats", "the deck's list of media is damaged");
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
        problem = QCoreApplication::translate("formats", "the deck's list of media is damaged");
    return found;
}

QString readDeckRecording(const QString& deckPath, const QString& name, QByteArray& sound)
{
    if (!isSafeRecordingName(name))
        return QCoreApplication::translate("formats", "its name leads outside the deck");
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
        return QCoreApplication::translate("formats", "the deck holds no file of that name");
    const QByteArray memberName = QByteArray::number(member);
    problem = zip.read(memberName.constData(), sound, kMaxRecordingSize);
    if (!problem.isEmpty() || !packed)
        return problem;
    const QByteArray content = std::move(sound);
    switch (unpackZstd(content, kMaxRecordingSize, sound)) {
    case Unpacked::Damaged:
        return QCoreApplication::translate("formats", "it is damaged");
    case Unpacked::TooLarge:
        return QCoreApplication::translate("formats", "it is over %1 MB")
            .arg(kMaxRecordingSize / (1024 * 1024));
    case Unpacked::Whole:
        break;
    }
    return {};
}

} // namespace

std::u16string readPackagedRecording(const std::u16string& listPath, FileKind kind,
                                     const std::u16string& name, std::string& sound)
{
    return readSound(kind, FileKind::AnkiDeck, readDeckRecording, listPath, name, sound);
}

std::u16string readPackagedPicture(const std::u16string& listPath, FileKind kind,
                                   const std::u16string& name, std::string& picture)
{
    return readMedia(kind, FileKind::AnkiDeck, readDeckRecording, listPath, name, picture);
}

} // namespace formats
