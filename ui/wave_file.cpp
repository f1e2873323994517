#include "ui/wave_file.h"

#include "core/poruna_error.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr quint16 formatPcm = 1;
constexpr quint16 formatFloat = 3;
constexpr quint16 formatExtensible = 0xFFFE;

quint16 le16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 le32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

[[noreturn]] void broken(const QString& path) {
    throw PorunaError(QStringLiteral("音の ファイルが こわれています。\n%1").arg(path));
}

QAudioFormat::SampleFormat sampleFormat(quint16 tag, quint16 bits) {
    if (tag == formatPcm && bits == 8)
        return QAudioFormat::UInt8;
    if (tag == formatPcm && bits == 16)
        return QAudioFormat::Int16;
    if (tag == formatPcm && bits == 32)
        return QAudioFormat::Int32;
    if (tag == formatFloat && bits == 32)
        return QAudioFormat::Float;
    return QAudioFormat::Unknown;
}

// The "fmt " chunk's body as an audio format; Unknown sample format when it
// is not one this program plays.
QAudioFormat audioFormat(const QByteArray& fmt) {
    QAudioFormat format;
    quint16 tag = le16(fmt, 0);
    const quint16 bits = le16(fmt, 14);
    if (tag == formatExtensible && fmt.size() >= 26)
        tag = le16(fmt, 24); // the first two bytes of the sub-format's GUID
    format.setChannelCount(le16(fmt, 2));
    format.setSampleRate(static_cast<int>(le32(fmt, 4)));
    format.setSampleFormat(sampleFormat(tag, bits));
    return format;
}

} // namespace

WaveSound readWaveFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        throw PorunaError(QStringLiteral("音の ファイルが 見つかりません。\n%1").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw PorunaError(
            QStringLiteral("音の ファイルを ひらけません。\n%1\n%2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        throw PorunaError(QStringLiteral("音の ファイルが WAV では ありません。\n%1").arg(path));

    // Chunks follow one another, each padded to an even length; only "fmt "
    // and "data" matter, the rest (lists, facts) is skipped.
    QAudioFormat format;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (size > bytes.size() - body)
            broken(path); // a half-copied file: its header promises more than is there
        if (id == "fmt " && size >= 16) {
            format = audioFormat(bytes.mid(body, size));
            if (!format.isValid())
                throw PorunaError(
                    QStringLiteral("音の ファイルの 形式が 再生 できない ものです。\n%1").arg(path));
        } else if (id == "data") {
            if (!format.isValid())
                broken(path); // samples without a format before them
            return {format, bytes.mid(body, size - size % format.bytesPerFrame())};
        }
        at = body + size + (size & 1);
    }
    broken(path);
}
