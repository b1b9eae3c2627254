#include "Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace cp932 {
namespace {
constexpr const char* CodecName = "windows-31j";
}

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder(CodecName);
    return decoder(bytes);
}

std::optional<QByteArray> encode(const QString& text) {
    QStringEncoder encoder(CodecName);
    QByteArray bytes = encoder(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

QString firstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!encode(character))
            return character;
        i += length - 1;
    }
    return {};
}

} // namespace cp932
