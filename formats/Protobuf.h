// The fields of a protobuf message, as Anki keeps its small records (a package's meta, a
// note type's kind, a package's list of media), read without a schema.
#pragma once

#include <QByteArrayView>
#include <functional>

namespace formats {

struct ProtobufField {
    quint64 number = 0;
    // 0 for a varint, 2 for bytes; the fixed-size types are passed over.
    int wireType = 0;
    quint64 varint = 0;
    QByteArrayView bytes;
};

// Calls `visit` with each field in turn until it returns false. Returns false when the
// message is cut short or malformed before that.
bool forEachField(QByteArrayView message, const std::function<bool(const ProtobufField&)>& visit);

} // namespace formats
