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

DecodedText DecodeProgramText(const QByteArray& bytes)
{
    for (const char* name : {"UTF-8", "windows-31j"}) {
        QStringDecoder decoder(name, kFlags);
        if (!decoder.isValid())
            continue;
        QString text = decoder.decode(bytes);
        if (decoder.hasError())
            continue;
        QStringEncoder encoder(name, kFlags);
        const QByteArray again = encoder.encode(text);
        if (!encoder.hasError() && again == bytes)
            return {std::move(text), QByteArray(name)};
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
