#include "AsideFile.h"

#include "Schema.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace progress::aside {

namespace {

// One answer a line: device, number, id, entry, direction, time, day, right.
constexpr int kFields = 8;

QByteArray lineOf(const Answer& given)
{
    const QByteArray id(reinterpret_cast<const char*>(given.id.data()),
                        static_cast<qsizetype>(given.id.size()));
    return QByteArray::fromStdString(given.device) + '\t' + QByteArray::number(given.seq) + '\t' +
           id.toHex() + '\t' + QByteArray::number(given.entry) + '\t' +
           QByteArray::number(given.direction) + '\t' + QByteArray::number(given.time) + '\t' +
           QByteArray::number(given.day) + '\t' + (given.right ? '1' : '0') + '\n';
}

bool parse(const QByteArray& line, Answer& given)
{
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() != kFields || fields[0].isEmpty() ||
        fields[0].size() > schema::kMaxDeviceLength)
        return false;
    const QByteArray id = QByteArray::fromHex(fields[2]);
    bool ok[6] = {};
    given.device = fields[0].toStdString();
    given.seq = fields[1].toLongLong(&ok[0]);
    given.entry = fields[3].toLongLong(&ok[1]);
    given.direction = fields[4].toInt(&ok[2]);
    given.time = fields[5].toLongLong(&ok[3]);
    given.day = fields[6].toInt(&ok[4]);
    given.right = fields[7] == "1";
    ok[5] = fields[7] == "0" || given.right;
    if (id.size() != schema::kIdBytes || given.seq < 1 || given.direction < 0 ||
        given.direction >= kDirections || given.day < kFirstDay || given.day > kLastDay)
        return false;
    std::copy(id.begin(), id.end(), given.id.begin());
    return std::all_of(std::begin(ok), std::end(ok), [](bool each) { return each; });
}

} // namespace

QString pathBeside(const QString& store)
{
    return store + QStringLiteral(".unsaved");
}

bool append(const QString& path, std::span<const Answer> answers)
{
    QByteArray lines;
    for (const Answer& given : answers)
        lines += lineOf(given);
    const int fd =
        ::open(QFile::encodeName(path).constData(),
               O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return false;
    const bool written =
        ::write(fd, lines.constData(), static_cast<size_t>(lines.size())) == lines.size() &&
        ::fsync(fd) == 0;
    ::close(fd);
    return written;
}

std::vector<Answer> read(const QString& path)
{
    QFile file(path);
    std::vector<Answer> answers;
    if (!file.open(QIODevice::ReadOnly))
        return answers;
    // Only a line ended by its line break was written whole.
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        Answer given;
        if (parse(lines[i], given))
            answers.push_back(std::move(given));
    }
    return answers;
}

} // namespace progress::aside
