#include "documents/core/TextFile.h"

#include <cerrno>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr auto kFlags
    = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

bool encodeExactly(const QString& text, const QByteArray& encoding, QByteArray* out)
{
    QStringEncoder encoder(encoding.constData(), kFlags);
    if (!encoder.isValid())
        return false;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    QStringDecoder decoder(encoding.constData(), kFlags);
    const QString back = decoder.decode(bytes);
    if (decoder.hasError() || back != text)
        return false;
    *out = std::move(bytes);
    return true;
}
} // namespace

bool IsExactUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        // The length of the sequence and the range its second byte must lie in, which rules
        // out overlong forms, surrogates and code points beyond U+10FFFF.
        int length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF)
            length = 2;
        else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else
            return false;
        if (end - p < length || p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i < length; ++i)
            if ((p[i] & 0xC0) != 0x80)
                return false;
        p += length;
    }
    return true;
}

DecodedText DecodeProgramText(const QByteArray& bytes)
{
    if (IsExactUtf8(bytes)) {
        QStringDecoder decoder("UTF-8", kFlags);
        return {decoder.decode(bytes), QByteArrayLiteral("UTF-8")};
    }
    QStringDecoder decoder("windows-31j", kFlags);
    if (decoder.isValid()) {
        QString text = decoder.decode(bytes);
        QStringEncoder encoder("windows-31j", kFlags);
        const QByteArray again = decoder.hasError() ? QByteArray() : encoder.encode(text);
        if (!decoder.hasError() && !encoder.hasError() && again == bytes)
            return {std::move(text), QByteArrayLiteral("windows-31j")};
    }
    return {QString::fromLatin1(bytes), QByteArrayLiteral("ISO-8859-1")};
}

QByteArray EncodeProgramText(
    const QString& text, const QByteArray& encoding, QByteArray* usedEncoding)
{
    QByteArray bytes;
    if (!encoding.isEmpty() && encodeExactly(text, encoding, &bytes)) {
        if (usedEncoding)
            *usedEncoding = encoding;
        return bytes;
    }
    if (usedEncoding)
        *usedEncoding = QByteArrayLiteral("UTF-8");
    return text.toUtf8();
}

FileContents ReadExistingFile(const QString& path)
{
    QFile file(path);
    // Opening for reading only: a file that vanished is not brought back.
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return {ReadStatus::CannotOpen, {}};
    return {ReadStatus::Ok, file.readAll()};
}

FileContents ReadOrCreateFile(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {ReadStatus::CannotOpen, {}};
    }
    return ReadExistingFile(path);
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* reason)
{
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    const QFileInfo info(path);
    const bool anyWriteBit
        = info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
    if (info.exists() && !info.isFile())
        return fail(qt_error_string(EISDIR));
    if (info.exists() && (!info.isWritable() || !anyWriteBit))
        return fail(qt_error_string(EACCES)); // a read-only program stays, even for root
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write with the system's reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    // A short write is followed by one more: that one fails and tells why.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString why = file.errorString();
            file.cancelWriting();
            return fail(why);
        }
        done += written;
    }
    return file.commit() || fail(file.errorString());
}
