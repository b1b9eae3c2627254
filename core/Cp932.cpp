#include "core/Cp932.h"

#include "core/Cp932Tables.h"

#include <algorithm>
#include <vector>

// The converter is the program's own, from tables: the system's converter would load ICU,
// about a mebibyte, at every start, and Qt has no code page 932 where it is built without
// ICU.
namespace cp932 {
namespace {

using namespace tables;

constexpr unsigned TwoBytes = 0x100;
constexpr char16_t FirstBeyondAscii = 0x80;
constexpr unsigned NecSelectedFirst = 0xED00; // NEC's copies of IBM's characters
constexpr unsigned NecSelectedLast = 0xEEFF;

struct Encoding {
    char16_t character;
    quint16 code; // one byte below TwoBytes, else lead and trail
    bool operator<(const Encoding& other) const { return character < other.character; }
};

// Where several codes stand for one character, the lowest is written, but NEC's copies of
// IBM's characters only where nothing else stands for it, as Windows writes them.
bool preferred(const Encoding& a, const Encoding& b) {
    const auto necSelected = [](quint16 code) {
        return code >= NecSelectedFirst && code <= NecSelectedLast;
    };
    if (a.character != b.character)
        return a.character < b.character;
    if (necSelected(a.code) != necSelected(b.code))
        return !necSelected(a.code);
    return a.code < b.code;
}

std::vector<Encoding> buildEncodings() {
    std::vector<Encoding> all;
    all.reserve(TwoBytes + std::size(Double) * std::size(Double[0]));
    for (unsigned byte = 0; byte < TwoBytes; ++byte) {
        if (!isLead(byte))
            all.push_back({Single[byte], quint16(byte)});
    }
    for (unsigned lead = 0; lead < TwoBytes; ++lead) {
        for (unsigned trail = 0; isLead(lead) && trail < TwoBytes; ++trail) {
            const char16_t character =
                isTrail(trail) ? Double[leadIndex(lead)][trailIndex(trail)] : Replacement;
            if (character != Replacement)
                all.push_back({character, quint16(lead << 8 | trail)});
        }
    }
    std::sort(all.begin(), all.end(), preferred);
    all.erase(std::unique(
                  all.begin(), all.end(),
                  [](const Encoding& a, const Encoding& b) { return a.character == b.character; }),
              all.end());
    all.shrink_to_fit();
    return all;
}

// The code of a character, or nothing where code page 932 has none.
// The table is built at the first text beyond ASCII: the settings the start writes need none.
// Below it a byte stands for itself, but for a few control characters that trade places.
std::optional<quint16> codeOf(char16_t character) {
    if (character < FirstBeyondAscii && Single[character] == character)
        return character;
    static const std::vector<Encoding> encodings = buildEncodings();
    const auto found = std::lower_bound(encodings.begin(), encodings.end(), Encoding{character, 0});
    if (found == encodings.end() || found->character != character)
        return std::nullopt;
    return found->code;
}

} // namespace

QString decode(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    QString text;
    text.reserve(size);
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char byte = data[i];
        if (!isLead(byte)) {
            text += QChar(Single[byte]);
        } else if (i + 1 < size && isTrail(data[i + 1])) {
            text += QChar(Double[leadIndex(byte)][trailIndex(data[i + 1])]);
            ++i;
        } else if (i + 1 < size) {
            // A lead byte without its trail; the next byte is read again on its own.
            text += QChar(Substitute);
        }
        // A lead byte at the very end is half a character, and is dropped.
    }
    return text;
}

std::optional<QByteArray> encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar character : text) {
        const std::optional<quint16> code = codeOf(character.unicode());
        if (!code)
            return std::nullopt;
        if (*code >= TwoBytes)
            bytes += char(*code >> 8);
        bytes += char(*code & 0xFF);
    }
    return bytes;
}

QString firstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character beyond the first plane is two code units, and code page 932 has none.
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            return text.mid(i, 2);
        if (!codeOf(text.at(i).unicode()))
            return text.mid(i, 1);
    }
    return {};
}

} // namespace cp932
