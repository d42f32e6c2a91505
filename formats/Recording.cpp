// The recordings and pictures that lists name for their entries, read when one is played or
// shown: here a file beside a KVTML list.
#include "Recording.h"

#include "WordList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace formats {

namespace {

// mp3 (with its tag or from its first frame), Ogg (Vorbis, Opus), WAV and FLAC.
bool isSound(QByteArrayView bytes)
{
    if (bytes.size() < 12)
        return false;
    const auto byte = [&bytes](int at) { return static_cast<quint8>(bytes[at]); };
    return bytes.startsWith("ID3") || (byte(0) == 0xFF && (byte(1) & 0xE0) == 0xE0) ||
           bytes.startsWith("OggS") || bytes.startsWith("fLaC") ||
           (bytes.startsWith("RIFF") && bytes.sliced(8, 4) == "WAVE");
}

QString readFileRecording(const QString& listPath, const QString& given, QByteArray& sound)
{
    const QString name =
        given.startsWith(QStringLiteral("file:")) ? QUrl(given).path(QUrl::FullyDecoded) : given;
    if (!isSafeRecordingName(name))
        return QCoreApplication::translate("formats", "its name leads outside the list's folder");
    const QDir folder = QFileInfo(listPath).absoluteDir();
    const QFileInfo file(folder.filePath(name));
    if (!file.exists())
        return QCoreApplication::translate("formats", "there is no such file beside the list");
    // A link may lead anywhere.
    if (!file.canonicalFilePath().startsWith(folder.canonicalPath() + u'/') || !file.isFile())
        return QCoreApplication::translate("formats", "it is not a file in the list's folder");
    if (file.size() > kMaxRecordingSize)
        return QCoreApplication::translate("formats", "it is over %1 MB")
            .arg(kMaxRecordingSize / (1024 * 1024));
    QFile input(file.filePath());
    if (!input.open(QIODevice::ReadOnly))
        return input.errorString();
    sound = input.read(kMaxRecordingSize + 1);
    if (sound.size() > kMaxRecordingSize)
        return QCoreApplication::translate("formats", "it is over %1 MB")
            .arg(kMaxRecordingSize / (1024 * 1024));
    return {};
}

} // namespace

bool isSafeRecordingName(const QString& name)
{
    if (name.isEmpty() || name.size() > 1024 || name.contains(QChar(0)) || name.startsWith(u'/') ||
        name.startsWith(u'\\') || (name.size() > 1 && name[1] == u':') ||
        name.normalized(QString::NormalizationForm_C) != name)
        return false;
    static const QRegularExpression separator(QStringLiteral(R"([/\\])"));
    return !name.split(separator).contains(QStringLiteral(".."));
}

std::u16string readMedia(FileKind kind, FileKind keeping, ReadRecordingBytes read,
                         const std::u16string& listPath, const std::u16string& name,
                         std::string& bytes)
{
    QByteArray content;
    const QString problem =
        kind == keeping
            ? read(QString::fromStdU16String(listPath), QString::fromStdU16String(name), content)
            : QCoreApplication::translate("formats", "this kind of list keeps no media");
    bytes.clear();
    if (problem.isEmpty())
        bytes.assign(content.constData(), static_cast<std::size_t>(content.size()));
    return problem.toStdU16String();
}

std::u16string readSound(FileKind kind, FileKind keeping, ReadRecordingBytes read,
                         const std::u16string& listPath, const std::u16string& name,
                         std::string& sound)
{
    std::u16string problem = readMedia(kind, keeping, read, listPath, name, sound);
    if (problem.empty() &&
        !isSound(QByteArrayView(sound.data(), static_cast<qsizetype>(sound.size()))))
        problem =
            QCoreApplication::translate("formats", "it is not a sound file (mp3, Ogg, WAV or FLAC)")
                .toStdU16String();
    if (!problem.empty())
        sound.clear();
    return problem;
}

std::u16string readRecording(const std::u16string& listPath, FileKind kind,
                             const std::u16string& name, std::string& sound)
{
    return readSound(kind, FileKind::Kvtml, readFileRecording, listPath, name, sound);
}

std::u16string readPicture(const std::u16string& listPath, FileKind kind,
                           const std::u16string& name, std::string& picture)
{
    return readMedia(kind, FileKind::Kvtml, readFileRecording, listPath, name, picture);
}

} // namespace formats
