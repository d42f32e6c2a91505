#include "Protobuf.h"

#include <optional>

namespace formats {

bool forEachField(QByteArrayView message, const std::function<bool(const ProtobufField&)>& visit)
{
    qsizetype pos = 0;
    const auto readVarint = [&]() -> std::optional<quint64> {
        quint64 value = 0;
        for (int shift = 0; shift < 64 && pos < message.size(); shift += 7) {
            const auto byte = static_cast<quint8>(message[pos++]);
            value |= quint64(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                return value;
        }
        return std::nullopt;
    };
    while (pos < message.size()) {
        const std::optional<quint64> key = readVarint();
        if (!key)
            return false;
        ProtobufField field;
        field.number = *key >> 3;
        field.wireType = static_cast<int>(*key & 7);
        quint64 skip = 0;
        switch (field.wireType) {
        case 0: {
            const std::optional<quint64> value = readVarint();
            if (!value)
                return false;
            field.varint = *value;
            break;
        }
        case 1:
            skip = 8;
            break;
        case 2: {
            const std::optional<quint64> length = readVarint();
            if (!length || *length > quint64(message.size() - pos))
                return false;
            field.bytes = message.sliced(pos, static_cast<qsizetype>(*length));
            skip = *length;
            break;
        }
        case 5:
            skip = 4;
            break;
        default:
            return false;
        }
        if (skip > quint64(message.size() - pos))
            return false;
        pos += static_cast<qsizetype>(skip);
        if ((field.wireType == 0 || field.wireType == 2) && !visit(field))
            return true;
    }
    return true;
}

} // namespace formats
