#pragma once

#include <QByteArray>
#include <QString>

// Program files are kept byte for byte: the bytes are decoded with the first encoding whose
// decoding is exact (UTF-8, then Shift_JIS as the Japanese desktop writes it, then Latin-1, which
// takes any bytes), and written back with the same encoding.
struct DecodedText
{
    QString text;
    QByteArray encoding;
};

DecodedText DecodeProgramText(const QByteArray& bytes);

// True when the bytes are UTF-8 that decodes exactly (no broken, overlong or surrogate
// sequence): such a file is its own UTF-8 text and needs no decoding to be shown.
bool IsExactUtf8(QByteArrayView bytes);

// The bytes of a text in the given encoding. When the text holds characters that encoding cannot
// carry, the text is written as UTF-8 rather than losing them; *usedEncoding tells which.
QByteArray EncodeProgramText(
    const QString& text, const QByteArray& encoding, QByteArray* usedEncoding = nullptr);

enum class ReadStatus { Ok, CannotOpen };
struct FileContents
{
    ReadStatus status = ReadStatus::Ok;
    QByteArray bytes;
};

// Reads a whole file that exists; a missing one is never created.
FileContents ReadExistingFile(const QString& path);
// Reads a whole file; a file that does not exist is created empty first.
FileContents ReadOrCreateFile(const QString& path);

// Replaces the file's contents atomically: a failed write leaves the old file as it was and, when
// reason is given, says why in the system's words ("Permission denied").
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* reason = nullptr);
