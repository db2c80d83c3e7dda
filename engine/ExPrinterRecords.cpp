#include "ExPrinterRecords.h"

#include <QtEndian>
#include <bit>
#include <cstring>

namespace sw {

namespace {
// The records hold their numbers in the host's order; the file holds them little-endian. On a
// little-endian host both are the same bytes and the swap does nothing.
template <typename T> void swapToFromLittle(T& v) {
    if constexpr (std::endian::native == std::endian::big) {
        if constexpr (std::is_same_v<T, double>) {
            uint64_t bits;
            std::memcpy(&bits, &v, 8);
            bits = qbswap(bits);
            std::memcpy(&v, &bits, 8);
        } else {
            v = qbswap(v);
        }
    } else {
        (void)v;
    }
}

void swapField(TExPrinterField& f) {
    swapToFromLittle(f.Size);
    swapToFromLittle(f.Left);
    swapToFromLittle(f.Top);
    swapToFromLittle(f.Width);
    swapToFromLittle(f.Height);
    swapToFromLittle(f.FontSize);
    swapToFromLittle(f.FontStyle);
    swapToFromLittle(f.FontColor);
}

void swapHeader(TExPrinterHeader& h) {
    swapToFromLittle(h.Version);
    swapToFromLittle(h.PaperSize);
    swapToFromLittle(h.PaperWidth);
    swapToFromLittle(h.PaperHeight);
}
} // namespace

TExPrinterField ZeroField() {
    TExPrinterField f;
    std::memset(&f, 0, sizeof f);
    return f;
}

TExPrinterHeader ZeroHeader() {
    TExPrinterHeader h;
    std::memset(&h, 0, sizeof h);
    return h;
}

void EncodeField(const TExPrinterField& field, char* out128) {
    TExPrinterField copy = field;
    swapField(copy);
    std::memcpy(out128, &copy, FieldRecordSize);
}

TExPrinterField DecodeField(const char* in128) {
    TExPrinterField f;
    std::memcpy(&f, in128, FieldRecordSize);
    swapField(f);
    return f;
}

void EncodeHeader(const TExPrinterHeader& header, char* out80) {
    TExPrinterHeader copy = header;
    swapHeader(copy);
    std::memcpy(out80, &copy, HeaderRecordSize);
}

TExPrinterHeader DecodeHeader(const char* in80) {
    TExPrinterHeader h;
    std::memcpy(&h, in80, HeaderRecordSize);
    swapHeader(h);
    return h;
}

} // namespace sw
