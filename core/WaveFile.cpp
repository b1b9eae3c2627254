#include "core/WaveFile.h"

#include "core/BoundedRead.h"

#include <QByteArrayView>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <numeric>
#include <optional>
#include <vector>

namespace {

constexpr qsizetype kFourCcSize = 4;
constexpr qsizetype kFormTypeOffset = 8; // "WAVE" after "RIFF" and the RIFF size
constexpr qsizetype kRiffHeaderSize = 12;
constexpr qsizetype kChunkHeaderSize = 8;
// Fields of the fmt chunk.
constexpr qsizetype kTagSize = 2;
constexpr qsizetype kChannelsOffset = 2;
constexpr qsizetype kRateOffset = 4;
constexpr qsizetype kBitsOffset = 14;
constexpr qsizetype kPlainFormatSize = 16;
constexpr qsizetype kExtensibleFormatSize = 40;
constexpr qsizetype kChannelMaskOffset = 20;
constexpr qsizetype kSubFormatOffset = 24;
constexpr quint16 kTagPcm = 0x0001;
constexpr quint16 kTagFloat = 0x0003;
constexpr quint16 kTagExtensible = 0xFFFE;
// The rest of the sub-format GUID after its first two bytes, which hold a classic format tag.
constexpr char kSubFormatTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";
constexpr qsizetype kSubFormatTailSize = sizeof(kSubFormatTail) - 1;

constexpr int kMinSampleRate = 1000;
constexpr int kMaxSampleRate = 768000;
constexpr int kMaxIntegerBytes = 4;
constexpr int kFloatBytes = 4;
constexpr int kDoubleBytes = 8;
constexpr int kBitsPerByte = 8;
constexpr int kUnsignedMidpoint = 128;
constexpr double kInt32Scale = 2147483648.0;
constexpr double kInt16Scale = 32768.0;
constexpr int kOutputBytesPerSample = 2;

// Speaker bits of an extensible channel mask, and the ones that belong to each side.
constexpr quint32 kAllSpeakers = 0x3FFFF;
constexpr quint32 kLeftSpeakers = 0x1 | 0x10 | 0x40 | 0x200 | 0x1000 | 0x8000;
constexpr quint32 kRightSpeakers = 0x2 | 0x20 | 0x80 | 0x400 | 0x4000 | 0x20000;
constexpr quint32 kLowFrequencySpeaker = 0x8;
// A centre speaker is heard on both sides at half power.
constexpr double kCentreGain = std::numbers::sqrt2 / 2;

// The chime: two bell-like notes, the second starting while the first dies away.
struct Note {
    double frequency;
    double start; // seconds
};
constexpr Note kChimeNotes[] = {{880.0, 0.0}, {660.0, 0.25}};
constexpr double kChimeNoteSeconds = 0.45;
constexpr double kChimeLevel = 0.4;
constexpr double kChimeAttackSeconds = 0.01;
constexpr double kChimeDecaySeconds = 0.15;
constexpr double kChimeReleaseSeconds = 0.03; // ends each note at zero, without a click
constexpr double kOvertoneRatio = 2.0;
constexpr double kOvertoneLevel = 0.2;

enum class Encoding { Integer, Float };

struct Format {
    Encoding encoding = Encoding::Integer;
    int channels = 0;
    int sampleRate = 0;
    int bytesPerSample = 0;
    quint32 channelMask = 0;
};

struct Chunks {
    std::optional<QByteArrayView> format;
    std::optional<QByteArrayView> data;
};

struct Gain {
    double left = 0;
    double right = 0;
};

quint16 u16(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

quint32 u32(QByteArrayView bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

// Chunk sizes are trusted only as far as the file goes: writers that were cut off or that
// stream leave a data size larger than what follows, and a wrong RIFF size is ignored.
Chunks findChunks(QByteArrayView file) {
    Chunks chunks;
    qint64 at = kRiffHeaderSize;
    while (at + kChunkHeaderSize <= file.size()) {
        const QByteArrayView id = file.sliced(at, kFourCcSize);
        const qint64 size = u32(file, at + kFourCcSize);
        const qint64 body = at + kChunkHeaderSize;
        const QByteArrayView contents = file.sliced(body, std::min(size, file.size() - body));
        if (id == "fmt " && !chunks.format)
            chunks.format = contents;
        else if (id == "data" && !chunks.data)
            chunks.data = contents;
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    return chunks;
}

// The classic format tag, looking through the extensible wrapper; zero when unknown.
quint16 effectiveTag(QByteArrayView fmt) {
    const quint16 tag = u16(fmt, 0);
    if (tag != kTagExtensible)
        return tag;
    if (fmt.size() < kExtensibleFormatSize)
        return 0;
    const QByteArrayView tail = fmt.sliced(kSubFormatOffset + kTagSize, kSubFormatTailSize);
    if (tail != QByteArrayView(kSubFormatTail, kSubFormatTailSize))
        return 0;
    return u16(fmt, kSubFormatOffset);
}

bool sampleSizeSupported(Encoding encoding, int bits) {
    if (encoding == Encoding::Float)
        return bits == kFloatBytes * kBitsPerByte || bits == kDoubleBytes * kBitsPerByte;
    return bits > 0 && bits <= kMaxIntegerBytes * kBitsPerByte;
}

std::variant<Format, wave::WaveError> parseFormat(QByteArrayView fmt) {
    using wave::WaveError;
    if (fmt.size() < kPlainFormatSize)
        return WaveError::NoFormat;
    const quint16 tag = effectiveTag(fmt);
    if (tag != kTagPcm && tag != kTagFloat)
        return WaveError::UnsupportedEncoding;
    Format format;
    format.encoding = tag == kTagFloat ? Encoding::Float : Encoding::Integer;
    format.channels = u16(fmt, kChannelsOffset);
    const quint32 rate = u32(fmt, kRateOffset);
    const int bits = u16(fmt, kBitsOffset);
    if (format.channels == 0 || rate < kMinSampleRate || rate > kMaxSampleRate)
        return WaveError::BadFormat;
    if (!sampleSizeSupported(format.encoding, bits))
        return WaveError::UnsupportedEncoding;
    format.sampleRate = int(rate);
    // Integer samples narrower than their container are stored left-justified in it.
    format.bytesPerSample = (bits + kBitsPerByte - 1) / kBitsPerByte;
    if (u16(fmt, 0) == kTagExtensible)
        format.channelMask = u32(fmt, kChannelMaskOffset);
    return format;
}

// One sample scaled to -1..1.
double readSample(const char* at, const Format& format) {
    if (format.encoding == Encoding::Float) {
        if (format.bytesPerSample == kFloatBytes)
            return qFromLittleEndian<float>(at);
        return qFromLittleEndian<double>(at);
    }
    if (format.bytesPerSample == 1)
        return double(uchar(*at) - kUnsignedMidpoint) / kUnsignedMidpoint;
    quint32 value = 0;
    for (int i = 0; i < format.bytesPerSample; ++i)
        value |= quint32(uchar(at[i])) << (kBitsPerByte * i);
    value <<= kBitsPerByte * (kMaxIntegerBytes - format.bytesPerSample);
    return qint32(value) / kInt32Scale;
}

qint16 toInt16(double sample) {
    if (std::isnan(sample))
        return 0;
    const double scaled = std::round(sample * kInt16Scale);
    return qint16(std::clamp(scaled, -kInt16Scale, kInt16Scale - 1));
}

Gain speakerGain(quint32 speaker) {
    if (speaker & kLeftSpeakers)
        return {1, 0};
    if (speaker & kRightSpeakers)
        return {0, 1};
    if (speaker & kLowFrequencySpeaker)
        return {};
    return {kCentreGain, kCentreGain};
}

// Each channel's share of the stereo mix. Channels take the mask's speakers in bit order,
// as Windows assigns them; without a mask it assumes the usual order from front left on.
std::vector<Gain> downmixGains(int channels, quint32 mask) {
    quint32 speakers = mask ? mask : kAllSpeakers;
    std::vector<Gain> gains(channels);
    Gain total;
    for (Gain& gain : gains) {
        gain = speakerGain(speakers & (~speakers + 1)); // lowest set bit; none gives centre
        speakers &= speakers - 1;
        total.left += gain.left;
        total.right += gain.right;
    }
    if (total.left == 0 || total.right == 0)
        return std::vector<Gain>(channels, {1.0 / channels, 1.0 / channels});
    for (Gain& gain : gains)
        gain = {gain.left / total.left, gain.right / total.right}; // never clips
    return gains;
}

Gain mixFrame(const char* frame, const Format& format, const std::vector<Gain>& gains) {
    Gain mix;
    for (int channel = 0; channel < format.channels; ++channel) {
        const double sample = readSample(frame + channel * format.bytesPerSample, format);
        mix.left += sample * gains[channel].left;
        mix.right += sample * gains[channel].right;
    }
    return mix;
}

wave::Pcm convert(QByteArrayView data, const Format& format) {
    const qsizetype frameBytes = qsizetype(format.bytesPerSample) * format.channels;
    const qsizetype frames = data.size() / frameBytes;
    const bool downmix = format.channels > 2;
    const std::vector<Gain> gains =
        downmix ? downmixGains(format.channels, format.channelMask) : std::vector<Gain>();
    wave::Pcm pcm{format.sampleRate, downmix ? 2 : format.channels, {}};
    pcm.samples.resize(frames * pcm.channels * kOutputBytesPerSample);
    auto* out = reinterpret_cast<qint16*>(pcm.samples.data());
    for (qsizetype frame = 0; frame < frames; ++frame) {
        const char* in = data.data() + frame * frameBytes;
        if (downmix) {
            const Gain mix = mixFrame(in, format, gains);
            *out++ = toInt16(mix.left);
            *out++ = toInt16(mix.right);
            continue;
        }
        for (int channel = 0; channel < format.channels; ++channel)
            *out++ = toInt16(readSample(in + channel * format.bytesPerSample, format));
    }
    return pcm;
}

const qint16* samplesOf(const wave::Pcm& pcm) {
    return reinterpret_cast<const qint16*>(pcm.samples.constData());
}

qint16* samplesOf(wave::Pcm& pcm) {
    return reinterpret_cast<qint16*>(pcm.samples.data());
}

wave::Pcm blank(int sampleRate, int channels, qsizetype frames) {
    return {sampleRate, channels, QByteArray(frames * channels * kOutputBytesPerSample, 0)};
}

double noteEnvelope(double seconds) {
    if (seconds < kChimeAttackSeconds)
        return seconds / kChimeAttackSeconds;
    const double decay = std::exp(-(seconds - kChimeAttackSeconds) / kChimeDecaySeconds);
    const double remaining = kChimeNoteSeconds - seconds;
    return remaining < kChimeReleaseSeconds ? decay * remaining / kChimeReleaseSeconds : decay;
}

void addNote(std::vector<double>& mix, int sampleRate, const Note& note) {
    const auto first = qsizetype(note.start * sampleRate);
    const auto length = qsizetype(kChimeNoteSeconds * sampleRate);
    for (qsizetype i = 0; i < length && first + i < qsizetype(mix.size()); ++i) {
        const double seconds = double(i) / sampleRate;
        const double phase = 2 * std::numbers::pi * note.frequency * seconds;
        const double tone = std::sin(phase) + kOvertoneLevel * std::sin(kOvertoneRatio * phase);
        mix[first + i] += kChimeLevel * noteEnvelope(seconds) * tone;
    }
}

} // namespace

qsizetype wave::Pcm::frameCount() const {
    return channels ? samples.size() / (qsizetype(channels) * kOutputBytesPerSample) : 0;
}

wave::Decoded wave::decode(const QByteArray& file) {
    const QByteArrayView bytes(file);
    if (bytes.size() < kRiffHeaderSize || !bytes.startsWith("RIFF") ||
        bytes.sliced(kFormTypeOffset, kFourCcSize) != "WAVE")
        return WaveError::NotRiff;
    const Chunks chunks = findChunks(bytes);
    if (!chunks.format)
        return WaveError::NoFormat;
    const auto format = parseFormat(*chunks.format);
    if (const auto* error = std::get_if<WaveError>(&format))
        return *error;
    Pcm pcm = convert(chunks.data.value_or(QByteArrayView()), std::get<Format>(format));
    if (pcm.frameCount() == 0)
        return WaveError::NoData;
    return pcm;
}

wave::Pcm wave::chime(int sampleRate) {
    const double seconds = std::prev(std::end(kChimeNotes))->start + kChimeNoteSeconds;
    std::vector<double> mix(qsizetype(seconds * sampleRate), 0.0);
    for (const Note& note : kChimeNotes)
        addNote(mix, sampleRate, note);
    Pcm pcm = blank(sampleRate, 1, qsizetype(mix.size()));
    std::transform(mix.begin(), mix.end(), samplesOf(pcm), toInt16);
    return pcm;
}

wave::Pcm wave::resample(const Pcm& pcm, int sampleRate) {
    const qsizetype inFrames = pcm.frameCount();
    if (pcm.sampleRate == sampleRate || inFrames == 0)
        return {sampleRate, pcm.channels, pcm.samples};
    const double step = double(pcm.sampleRate) / sampleRate;
    Pcm out = blank(sampleRate, pcm.channels, qsizetype(std::llround(inFrames / step)));
    const qint16* in = samplesOf(pcm);
    qint16* dst = samplesOf(out);
    for (qsizetype frame = 0; frame < out.frameCount(); ++frame) {
        const double position = frame * step;
        const qsizetype before = std::min(qsizetype(position), inFrames - 1);
        const qsizetype after = std::min(before + 1, inFrames - 1);
        const double fraction = position - before;
        for (int channel = 0; channel < pcm.channels; ++channel) {
            const double a = in[before * pcm.channels + channel];
            const double b = in[after * pcm.channels + channel];
            *dst++ = qint16(std::lround(a + (b - a) * fraction));
        }
    }
    return out;
}

wave::Pcm wave::remix(const Pcm& pcm, int channels) {
    if (pcm.channels == channels)
        return pcm;
    Pcm out = blank(pcm.sampleRate, channels, pcm.frameCount());
    const qint16* in = samplesOf(pcm);
    qint16* dst = samplesOf(out);
    for (qsizetype frame = 0; frame < pcm.frameCount(); ++frame, in += pcm.channels) {
        if (channels == 1) {
            const int sum = std::accumulate(in, in + pcm.channels, 0);
            *dst++ = qint16(sum / pcm.channels);
            continue;
        }
        for (int channel = 0; channel < channels; ++channel)
            *dst++ = pcm.channels == 1 ? in[0] : channel < pcm.channels ? in[channel] : 0;
    }
    return out;
}

wave::Decoded wave::readFile(const QString& path, qint64 maxBytes) {
    const boundedread::Result file = boundedread::read(path, maxBytes);
    if (file.outcome == boundedread::Outcome::TooLarge)
        return WaveError::TooLarge;
    if (!file.ok())
        return WaveError::NotAFile;
    return decode(file.bytes);
}

QString wave::describe(WaveError error) {
    switch (error) {
    case WaveError::NotRiff:
        return QStringLiteral("not a RIFF WAVE file");
    case WaveError::NoFormat:
        return QStringLiteral("no usable fmt chunk");
    case WaveError::NoData:
        return QStringLiteral("no sound data");
    case WaveError::UnsupportedEncoding:
        return QStringLiteral("compressed or unsupported sample encoding");
    case WaveError::BadFormat:
        return QStringLiteral("impossible channel count or sample rate");
    case WaveError::NotAFile:
        return QStringLiteral("missing, unreadable or not a regular file");
    case WaveError::TooLarge:
        return QStringLiteral("too large for an alert sound");
    }
    return {};
}
