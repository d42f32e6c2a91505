#include "ZstdFrame.h"

#include <algorithm>
#include <memory>
#include <sys/mman.h>
#include <zstd.h>

namespace formats {

namespace {

struct DecompressContextFree {
    void operator()(ZSTD_DCtx* context) const { ZSTD_freeDCtx(context); }
};

// Makes `buffer` `size` bytes long, starting on a huge page that the kernel is asked to back
// with huge pages: every fresh page of memory costs a fault, and a collection of a few
// megabytes takes thousands of them. The room before the start is never written, so it
// takes no memory.
void sizeOnHugePages(QByteArray& buffer, qsizetype size)
{
    constexpr qsizetype kHugePage = 2 << 20;
    buffer.resize(size + 2 * kHugePage);
    const auto start = reinterpret_cast<quintptr>(buffer.data());
    const quintptr aligned = (start + kHugePage - 1) & ~quintptr(kHugePage - 1);
    ::madvise(reinterpret_cast<void*>(aligned),
              static_cast<size_t>((size + kHugePage - 1) / kHugePage * kHugePage), MADV_HUGEPAGE);
    // Taking bytes off the front of a QByteArray moves its start; nothing is copied.
    buffer.remove(0, static_cast<qsizetype>(aligned - start));
    buffer.resize(size);
}

// Below this, a frame's bytes are too few to fill a huge page.
constexpr qint64 kHugePagesFrom = 2 << 20;

} // namespace

Unpacked unpackZstd(const QByteArray& packed, qint64 limit, QByteArray& unpacked)
{
    const std::unique_ptr<ZSTD_DCtx, DecompressContextFree> context(ZSTD_createDCtx());
    if (!context)
        return Unpacked::Damaged;
    ZSTD_inBuffer in{packed.constData(), static_cast<size_t>(packed.size()), 0};
    // One byte more than allowed tells a frame that is too large.
    const qint64 room = limit + 1;
    // A frame that states its size is unpacked in one go, into one byte more than it states,
    // which tells a frame that holds more.
    const unsigned long long stated =
        ZSTD_getFrameContentSize(packed.constData(), static_cast<size_t>(packed.size()));
    const qint64 first = stated < ZSTD_CONTENTSIZE_ERROR && stated < quint64(room)
                             ? static_cast<qint64>(stated) + 1
                             : std::max<qint64>(packed.size() * 4, 4096);
    const qint64 initial = std::min(room, first);
    if (initial >= kHugePagesFrom)
        sizeOnHugePages(unpacked, initial);
    else
        unpacked.resize(initial);
    size_t used = 0;
    size_t result = 1;
    for (;;) {
        // The frame is done and all of it written: another call would start the next frame.
        if (result == 0 && in.pos == in.size)
            break;
        if (used == static_cast<size_t>(unpacked.size())) {
            if (unpacked.size() == room) {
                unpacked.clear();
                return Unpacked::TooLarge;
            }
            unpacked.resize(std::min(room, unpacked.size() * 2));
        }
        ZSTD_outBuffer out{unpacked.data(), static_cast<size_t>(unpacked.size()), used};
        result = ZSTD_decompressStream(context.get(), &out, &in);
        used = out.pos;
        if (ZSTD_isError(result))
            return Unpacked::Damaged;
        // All input taken and room left: the decoder holds nothing more. A frame that is
        // not done then was cut short.
        if (in.pos == in.size && out.pos < out.size) {
            if (result != 0)
                return Unpacked::Damaged;
            break;
        }
    }
    if (static_cast<qint64>(used) > limit) {
        unpacked.clear();
        return Unpacked::TooLarge;
    }
    unpacked.resize(static_cast<qsizetype>(used));
    return Unpacked::Whole;
}

} // namespace formats
