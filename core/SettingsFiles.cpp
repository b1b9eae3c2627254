#include "core/SettingsFiles.h"

#include "core/RecordFormat.h"

#include <algorithm>

namespace settingsfile {
namespace {

constexpr double CoordinateMin = -2147483648.0;
constexpr double CoordinateMax = 2147483647.0;
constexpr float LargestSingleCoordinate = 2147483520.0f; // the last single below 2^31

std::optional<QByteArray> finish(record::Writer& writer, QString* problem) {
    writer.endRecord();
    if (problem)
        *problem = writer.problem();
    return writer.bytes();
}

// The live values are compared with numbers, so a text that is no number is damage.
Variant readNumericVariant(record::Reader& reader) {
    const Variant value = reader.readVariant();
    if (value.kind() == Variant::Kind::Text) {
        bool ok = false;
        value.toText().trimmed().toDouble(&ok);
        if (!ok)
            throw record::FormatError("not a number");
    }
    return value;
}

// A window coordinate holds 32 bits; past that a number is damage, not a place. The top of
// the range rounds up to 2^31 as a single, so it is kept just below, where a later read
// still takes it.
float readCoordinate(record::Reader& reader) {
    const double value = reader.readNumber();
    if (value < CoordinateMin || value > CoordinateMax)
        throw record::FormatError("position out of range");
    return std::min(static_cast<float>(value), LargestSingleCoordinate);
}

} // namespace

SettingsRecord parseSettings(const QByteArray& bytes) {
    record::Reader reader(bytes);
    SettingsRecord r;
    r.iti = readNumericVariant(reader);
    r.front = readNumericVariant(reader);
    r.almFro = readNumericVariant(reader);
    r.rogo = reader.readText();
    r.tAmPm = Variant::number(reader.readInteger());
    r.ymd = reader.readInteger();
    r.ssVis = reader.readInteger();
    r.aset = Variant::number(reader.readInteger());
    r.memMni = Variant::number(reader.readInteger());
    return r;
}

std::optional<QByteArray> writeSettings(const SettingsRecord& r, QString* problem) {
    record::Writer writer;
    writer.variant(r.iti).variant(r.front).variant(r.almFro).text(r.rogo).variant(r.tAmPm);
    writer.number(r.ymd).number(r.ssVis).variant(r.aset).variant(r.memMni);
    return finish(writer, problem);
}

PositionRecord parsePosition(const QByteArray& bytes) {
    record::Reader reader(bytes);
    PositionRecord r;
    r.left = readCoordinate(reader);
    r.top = readCoordinate(reader);
    return r;
}

std::optional<QByteArray> writePosition(const PositionRecord& r, QString* problem) {
    record::Writer writer;
    writer.single(r.left).single(r.top);
    return finish(writer, problem);
}

FontRecord parseFont(const QByteArray& bytes) {
    record::Reader reader(bytes);
    FontRecord r;
    r.name = reader.readText();
    r.bold = reader.readBoolean();
    r.italic = reader.readText();
    const double colour = reader.readNumber();
    if (colour < -2147483648.0 || colour > 2147483647.0)
        throw record::FormatError("colour out of range");
    r.colour = static_cast<qint32>(colour);
    return r;
}

std::optional<QByteArray> writeFont(const FontRecord& r, QString* problem) {
    record::Writer writer;
    writer.text(r.name).boolean(r.bold);
    // The italic field goes back as the Boolean it stands for.
    writer.boolean(r.italic == record::TrueText);
    writer.number(r.colour);
    return finish(writer, problem);
}

} // namespace settingsfile
