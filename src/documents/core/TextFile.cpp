#include "documents/core/TextFile.h"

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

FileContents ReadOrCreateFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        if (!file.open(QIODevice::WriteOnly))
            return {ReadStatus::CannotOpen, {}};
        file.close();
    }
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return {ReadStatus::CannotOpen, {}};
    return {ReadStatus::Ok, file.readAll()};
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    const bool anyWriteBit
        = info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
    if (info.exists() && (!info.isFile() || !info.isWritable() || !anyWriteBit))
        return false; // a read-only program stays as it is, even for the administrator
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
