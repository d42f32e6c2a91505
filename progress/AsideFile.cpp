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

QByteArray lineOf(const Answer& answer)
{
    const QByteArray id(reinterpret_cast<const char*>(answer.id.data()),
                        static_cast<qsizetype>(answer.id.size()));
    return QByteArray::fromStdString(answer.device) + '\t' + QByteArray::number(answer.seq) + '\t' +
           id.toHex() + '\t' + QByteArray::number(answer.entry) + '\t' +
           QByteArray::number(answer.direction) + '\t' + QByteArray::number(answer.time) + '\t' +
           QByteArray::number(answer.day) + '\t' + (answer.right ? '1' : '0') + '\n';
}

bool parse(const QByteArray& line, Answer& answer)
{
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() != kFields || fields[0].isEmpty() ||
        fields[0].size() > schema::kMaxDeviceLength)
        return false;
    const QByteArray id = QByteArray::fromHex(fields[2]);
    bool ok[6] = {};
    answer.device = fields[0].toStdString();
    answer.seq = fields[1].toLongLong(&ok[0]);
    answer.entry = fields[3].toLongLong(&ok[1]);
    answer.direction = fields[4].toInt(&ok[2]);
    answer.time = fields[5].toLongLong(&ok[3]);
    answer.day = fields[6].toInt(&ok[4]);
    answer.right = fields[7] == "1";
    ok[5] = fields[7] == "0" || answer.right;
    if (id.size() != schema::kIdBytes || answer.seq < 1 || answer.direction < 0 ||
        answer.direction >= kDirections || answer.day < kFirstDay || answer.day > kLastDay)
        return false;
    std::copy(id.begin(), id.end(), answer.id.begin());
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
    for (const Answer& answer : answers)
        lines += lineOf(answer);
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
        Answer answer;
        if (parse(lines[i], answer))
            answers.push_back(std::move(answer));
    }
    return answers;
}

} // namespace progress::aside
