#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace sw {

// A length-prefixed string of at most N bytes, stored as one length byte and N bytes of room.
// The bytes after the length carry no meaning but are kept, so records copy as whole blocks.
template <int N> struct ShortString {
    uint8_t length;
    char text[N];

    // The stored bytes; a length larger than the room (a damaged file) is clamped to the room,
    // so nothing past the member is ever read.
    QByteArray bytes() const { return view().toByteArray(); }
    QByteArrayView view() const { return QByteArrayView(text, length > N ? N : length); }
    QString toString() const { return QString::fromUtf8(bytes()); }
    bool lengthFits() const { return length <= N; }

    // Stores UTF-8 text cut to the room; a character that the cut would split is dropped whole.
    void assign(const QString& value) { assignBytes(cutUtf8(value.toUtf8(), N)); }
    // Stores the bytes as they are, cut to the room (bytes that came from a file).
    void assignBytes(const QByteArray& value) {
        const int n = value.size() > N ? N : static_cast<int>(value.size());
        length = static_cast<uint8_t>(n);
        for (int i = 0; i < n; ++i)
            text[i] = value[i];
    }

    static QByteArray cutUtf8(const QByteArray& utf8, int maxBytes) {
        if (utf8.size() <= maxBytes)
            return utf8;
        int end = maxBytes;
        // Step back over continuation bytes to the start of the character the cut would split.
        while (end > 0 && (static_cast<uint8_t>(utf8[end]) & 0xC0) == 0x80)
            --end;
        return utf8.left(end);
    }
};
static_assert(sizeof(ShortString<30>) == 31 && alignof(ShortString<30>) == 1);

// The paper of a layout: bits 0-14 of PaperSize are the printer driver's paper code (0 = custom
// size PaperWidth x PaperHeight), bit 15 is landscape. Lengths in centimetres.
struct TPaperInfo {
    uint16_t PaperSize = 0;
    double PaperWidth = 0;
    double PaperHeight = 0;
};

constexpr uint16_t LandscapeBit = 0x8000;

enum TExHorzAlignment : uint8_t { haLeft = 1, haCenter = 2, haRight = 3 };
enum TExVertAlignment : uint8_t { vaTop = 1, vaCenter = 2, vaBottom = 3 };
enum TExFontStyleBit : uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// One field of a layout: the same 128 bytes in memory and in the layout file. The fields named
// Reserved* carry no meaning; they are kept so that a record round-trips byte for byte.
struct TExPrinterField {
    ShortString<30> Name;
    uint8_t Reserved31;
    uint16_t Size; // largest number of bytes printed; 0 = no limit
    uint8_t Reserved34[6];
    double Left; // centimetres
    double Top;
    double Width; // 0 or less = the width of the text
    double Height;
    uint8_t HorzAlignment; // 1 left, 2 centre, 3 right
    uint8_t VertAlignment; // 1 top, 2 centre, 3 bottom
    uint8_t Reserved74[2];
    ShortString<30> FontName;
    uint8_t Reserved107;
    int32_t FontSize; // points
    uint32_t FontStyle;
    int32_t FontColor; // 0x00BBGGRR
    uint8_t Print;     // nonzero = printed
    uint8_t Reserved121[7];
};

// The first 80 bytes of a layout file.
struct TExPrinterHeader {
    ShortString<20> Signature;
    uint8_t Reserved21;
    uint16_t Version;
    ShortString<30> FormName;
    uint8_t Reserved55;
    uint16_t PaperSize;
    uint8_t Reserved58[6];
    double PaperWidth;
    double PaperHeight;
};

constexpr int FieldRecordSize = 128;
constexpr int HeaderRecordSize = 80;

static_assert(sizeof(TExPrinterField) == FieldRecordSize);
static_assert(offsetof(TExPrinterField, Name) == 0);
static_assert(offsetof(TExPrinterField, Reserved31) == 31);
static_assert(offsetof(TExPrinterField, Size) == 32);
static_assert(offsetof(TExPrinterField, Reserved34) == 34);
static_assert(offsetof(TExPrinterField, Left) == 40);
static_assert(offsetof(TExPrinterField, Top) == 48);
static_assert(offsetof(TExPrinterField, Width) == 56);
static_assert(offsetof(TExPrinterField, Height) == 64);
static_assert(offsetof(TExPrinterField, HorzAlignment) == 72);
static_assert(offsetof(TExPrinterField, VertAlignment) == 73);
static_assert(offsetof(TExPrinterField, Reserved74) == 74);
static_assert(offsetof(TExPrinterField, FontName) == 76);
static_assert(offsetof(TExPrinterField, Reserved107) == 107);
static_assert(offsetof(TExPrinterField, FontSize) == 108);
static_assert(offsetof(TExPrinterField, FontStyle) == 112);
static_assert(offsetof(TExPrinterField, FontColor) == 116);
static_assert(offsetof(TExPrinterField, Print) == 120);
static_assert(offsetof(TExPrinterField, Reserved121) == 121);

static_assert(sizeof(TExPrinterHeader) == HeaderRecordSize);
static_assert(offsetof(TExPrinterHeader, Signature) == 0);
static_assert(offsetof(TExPrinterHeader, Reserved21) == 21);
static_assert(offsetof(TExPrinterHeader, Version) == 22);
static_assert(offsetof(TExPrinterHeader, FormName) == 24);
static_assert(offsetof(TExPrinterHeader, Reserved55) == 55);
static_assert(offsetof(TExPrinterHeader, PaperSize) == 56);
static_assert(offsetof(TExPrinterHeader, Reserved58) == 58);
static_assert(offsetof(TExPrinterHeader, PaperWidth) == 64);
static_assert(offsetof(TExPrinterHeader, PaperHeight) == 72);

// An all-zero record, as every record the engine makes itself starts out.
TExPrinterField ZeroField();
TExPrinterHeader ZeroHeader();

// The little-endian file bytes of a record and back, whatever the host's byte order.
void EncodeField(const TExPrinterField& field, char* out128);
TExPrinterField DecodeField(const char* in128);
void EncodeHeader(const TExPrinterHeader& header, char* out80);
TExPrinterHeader DecodeHeader(const char* in80);

} // namespace sw
