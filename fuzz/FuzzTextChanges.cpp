// The spans a whole-text tool writes back, under the fuzzer: an old text and a new one made of
// the pieces NC text is made of (line ends of every kind, multi-byte characters, words), the new
// one an edit of the old. The spans must turn the old text into the new one, in order and apart,
// each on whole characters and never between CR and LF.
#include "FuzzBytes.h"

#include "documents/core/TextChanges.h"

#include <QByteArray>

namespace {
const char* const kPieces[] = {"N000 ", "G01 ", "X1", "\r\n", "\r", "\n", "(", "\xC3\xA9",
    "\xE5\xA4\x96", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x83", "M08", "\t", " "};
constexpr int kPieceCount = int(sizeof kPieces / sizeof *kPieces);

QByteArray pieces(FuzzBytes& b, int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += kPieces[b.take(1) % kPieceCount];
    return text;
}

bool inside(const QByteArray& text, qsizetype p)
{
    if (p <= 0 || p >= text.size())
        return false;
    return (static_cast<unsigned char>(text[p]) & 0xC0) == 0x80
        || (text[p - 1] == '\r' && text[p] == '\n');
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzBytes b(data, size);
    QList<QByteArray> oldPieces, newPieces;
    const int count = int(b.take(1) % 64);
    for (int i = 0; i < count; ++i)
        oldPieces << QByteArray(kPieces[b.take(1) % kPieceCount]);
    // The new text: the old one's pieces, some replaced, dropped or with others put in.
    for (const QByteArray& piece : oldPieces) {
        switch (b.take(1) % 8) {
        case 0:
            newPieces << pieces(b, int(b.take(1) % 3));
            break;
        case 1:
            newPieces << pieces(b, 1) << piece;
            break;
        default:
            newPieces << piece;
        }
    }
    const QByteArray before = oldPieces.join(), after = newPieces.join();
    QByteArray applied = before;
    qsizetype moved = 0, end = 0;
    for (const TextChange& c : ChangedSpans(before, after)) {
        if (c.oldStart < end || c.oldLength < 0 || c.newLength < 0)
            FuzzFailure("spans out of order", QString::fromUtf8(before));
        if (inside(before, c.oldStart) || inside(before, c.oldStart + c.oldLength)
            || inside(after, c.newStart) || inside(after, c.newStart + c.newLength))
            FuzzFailure("a span splits a character or a CR LF", QString::fromUtf8(before));
        if (c.newStart != c.oldStart + moved)
            FuzzFailure("a span's new position", QString::fromUtf8(before));
        applied.replace(c.oldStart + moved, c.oldLength, after.mid(c.newStart, c.newLength));
        moved += c.newLength - c.oldLength;
        end = c.oldStart + c.oldLength;
    }
    if (applied != after)
        FuzzFailure("the spans do not give the new text", QString::fromUtf8(before));
    return 0;
}
