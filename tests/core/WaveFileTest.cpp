#include "core/WaveFile.h"
#include "HostileFiles.h"

#include <QTemporaryDir>

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kAdpcm = 2;
constexpr quint16 kMp3 = 0x55;
constexpr quint16 kExtensible = 0xFFFE;
constexpr quint32 kFiveOneMask = 0x3F; // FL FR FC LFE BL BR
constexpr quint32 kQuadMask = 0x33;    // FL FR BL BR
constexpr int kRate = 22050;

// Values in little-endian order, as a WAVE file holds them.
template <typename T> QByteArray le(std::initializer_list<T> values) {
    QByteArray bytes(qsizetype(values.size() * sizeof(T)), 0);
    char* at = bytes.data();
    for (T value : values) {
        qToLittleEndian(value, at);
        at += sizeof(T);
    }
    return bytes;
}

QByteArray le16(quint16 value) {
    return le<quint16>({value});
}

QByteArray le32(quint32 value) {
    return le<quint32>({value});
}

QByteArray chunk(const char* id, const QByteArray& body, qint64 declared = -1) {
    const quint32 size = declared < 0 ? quint32(body.size()) : quint32(declared);
    return id + le32(size) + body + (body.size() % 2 ? QByteArray(1, 0) : QByteArray());
}

QByteArray riff(const QByteArray& chunks) {
    return "RIFF" + le32(4 + chunks.size()) + "WAVE" + chunks;
}

QByteArray fmt(quint16 tag, int channels, int bits, int rate = kRate) {
    const int align = channels * ((bits + 7) / 8);
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
}

QByteArray extensible(quint16 subTag, int channels, int bits, quint32 mask, int validBits) {
    static const QByteArray guidTail("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71",
                                     14);
    return fmt(kExtensible, channels, bits) + le16(22) + le16(validBits) + le32(mask) +
           le16(subTag) + guidTail;
}

QByteArray wav(const QByteArray& format, const QByteArray& data) {
    return riff(chunk("fmt ", format) + chunk("data", data));
}

std::vector<qint16> samples(const wave::Pcm& pcm) {
    const auto* first = reinterpret_cast<const qint16*>(pcm.samples.constData());
    return {first, first + pcm.samples.size() / 2};
}

wave::Pcm decoded(const QByteArray& file) {
    const wave::Decoded result = wave::decode(file);
    if (const auto* error = std::get_if<wave::WaveError>(&result)) {
        ADD_FAILURE() << "rejected: " << wave::describe(*error).toStdString();
        return {};
    }
    return std::get<wave::Pcm>(result);
}

std::optional<wave::WaveError> errorOf(const QByteArray& file) {
    const wave::Decoded result = wave::decode(file);
    if (const auto* error = std::get_if<wave::WaveError>(&result))
        return *error;
    return std::nullopt;
}

} // namespace

TEST(WaveDecode, ScalesEverySampleFormToSixteenBits) {
    const QByteArray nan = le<float>({std::numeric_limits<float>::quiet_NaN()});
    const struct {
        const char* name;
        QByteArray format;
        QByteArray data;
        std::vector<qint16> expected;
    } cases[] = {
        {"u8", fmt(kPcm, 1, 8), QByteArray("\x00\x80\xFF\xC0", 4), {-32768, 0, 32512, 16384}},
        {"s16", fmt(kPcm, 1, 16), le<qint16>({-32768, 32767, 1, -1}), {-32768, 32767, 1, -1}},
        {"s24",
         fmt(kPcm, 1, 24),
         QByteArray("\x00\x00\x80\xFF\xFF\x7F\x00\x40\x00\x00\xFF\xFF", 12),
         {-32768, 32767, 64, -1}},
        {"s32",
         fmt(kPcm, 1, 32),
         QByteArray("\x00\x00\x00\x80\xFF\xFF\xFF\x7F\x00\x00\x01\x00\x00\x00\xFF\xFF", 16),
         {-32768, 32767, 1, -1}},
        {"12 bits left-justified", fmt(kPcm, 1, 12), le<qint16>({-16, 0x7FF0}), {-16, 0x7FF0}},
        {"f32",
         fmt(kFloat, 1, 32),
         le<float>({-1.0f, 1.0f, 0.5f, 2.0f}) + nan,
         {-32768, 32767, 16384, 32767, 0}},
        {"f64", fmt(kFloat, 1, 64), le<double>({-2.0, 0.25}), {-32768, 8192}},
        {"extensible s24 with 20 valid bits",
         extensible(kPcm, 1, 24, 0x4, 20),
         QByteArray("\x00\x00\x80\x00\x40\x00", 6),
         {-32768, 64}},
        {"extensible f32", extensible(kFloat, 1, 32, 0x4, 32), le<float>({-0.5f}), {-16384}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const wave::Pcm pcm = decoded(wav(c.format, c.data));
        EXPECT_EQ(pcm.sampleRate, kRate);
        EXPECT_EQ(pcm.channels, 1);
        EXPECT_EQ(samples(pcm), c.expected);
    }
}

TEST(WaveDecode, KeepsStereoInterleavedAndMixesMoreChannelsByTheirSpeakers) {
    const wave::Pcm stereo = decoded(wav(fmt(kPcm, 2, 16, 44100), le<qint16>({1000, -1000, 5, 6})));
    EXPECT_EQ(stereo.sampleRate, 44100);
    EXPECT_EQ(stereo.channels, 2);
    EXPECT_EQ(samples(stereo), (std::vector<qint16>{1000, -1000, 5, 6}));

    // 5.1 frames, each sounding one speaker: left, right, centre, bass, back right.
    const QByteArray fiveOne =
        le<qint16>({9000, 0, 0, 0, 0, 0, 0,    9000, 0, 0, 0, 0, 0, 0, 9000,
                    0,    0, 0, 0, 0, 0, 9000, 0,    0, 0, 0, 0, 0, 0, 9000});
    for (const QByteArray& format : {fmt(kPcm, 6, 16), extensible(kPcm, 6, 16, kFiveOneMask, 16)}) {
        const std::vector<qint16> mixed = samples(decoded(wav(format, fiveOne)));
        ASSERT_EQ(mixed.size(), 10u);
        EXPECT_GT(mixed[0], 0);
        EXPECT_EQ(mixed[1], 0);
        EXPECT_EQ(mixed[2], 0);
        EXPECT_GT(mixed[3], 0);
        EXPECT_GT(mixed[4], 0);
        EXPECT_EQ(mixed[4], mixed[5]);
        EXPECT_EQ(mixed[6], 0);
        EXPECT_EQ(mixed[7], 0);
        EXPECT_EQ(mixed[8], 0);
        EXPECT_GT(mixed[9], 0);
    }
    // In quad the fourth channel is back right, not bass.
    const auto quad =
        samples(decoded(wav(extensible(kPcm, 4, 16, kQuadMask, 16), le<qint16>({0, 0, 0, 9000}))));
    EXPECT_EQ(quad[0], 0);
    EXPECT_GT(quad[1], 0);
    // Every channel at full scale must not wrap around.
    const auto loud = samples(
        decoded(wav(fmt(kPcm, 6, 16), le<qint16>({32767, 32767, 32767, 32767, 32767, 32767}))));
    EXPECT_GT(loud[0], 30000);
    EXPECT_GT(loud[1], 30000);
}

TEST(WaveDecode, ToleratesChunkLayoutAndSizesFoundInRealFiles) {
    const QByteArray format = chunk("fmt ", fmt(kPcm, 1, 16));
    const QByteArray data = le<qint16>({100, 200, 300});
    const QByteArray oddList = chunk("LIST", QByteArray("INFOabc", 7));
    const std::vector<qint16> all{100, 200, 300};

    EXPECT_EQ(
        samples(decoded(riff(oddList + format + chunk("fact", le32(3)) + chunk("data", data)))),
        all);
    EXPECT_EQ(samples(decoded(riff(chunk("data", data) + format))), all);

    QByteArray wrongRiffSize = riff(format + chunk("data", data));
    wrongRiffSize.replace(4, 4, le32(0));
    EXPECT_EQ(samples(decoded(wrongRiffSize)), all);

    // A data size past the end keeps the whole frames that are there.
    const QByteArray cut = riff(format + "data" + le32(1000) + data + QByteArray(1, 0x7F));
    EXPECT_EQ(samples(decoded(cut)), all);
    const QByteArray streamed = riff(format + chunk("data", data, 0xFFFFFFFF));
    EXPECT_EQ(samples(decoded(streamed)), all);
}

TEST(WaveDecode, RejectsWhatCannotBePlayed) {
    using wave::WaveError;
    const QByteArray data = le<qint16>({1, 2});
    QByteArray otherGuid = extensible(kPcm, 1, 16, 0x4, 16);
    otherGuid[otherGuid.size() - 1] = 0;

    EXPECT_EQ(errorOf({}), WaveError::NotRiff);
    EXPECT_EQ(errorOf(QByteArray("RIFX\0\0\0\0WAVE", 12)), WaveError::NotRiff);
    EXPECT_EQ(errorOf("RIFF" + le32(4) + "AVI " + chunk("data", data)), WaveError::NotRiff);
    EXPECT_EQ(errorOf("ID3\x03 not a wave file at all"), WaveError::NotRiff);

    EXPECT_EQ(errorOf(riff(chunk("data", data))), WaveError::NoFormat);
    EXPECT_EQ(errorOf(wav(fmt(kPcm, 1, 16).left(14), data)), WaveError::NoFormat);
    EXPECT_EQ(errorOf(riff(chunk("fmt ", fmt(kPcm, 1, 16)))), WaveError::NoData);
    EXPECT_EQ(errorOf(wav(fmt(kPcm, 2, 16), le<qint16>({1}))), WaveError::NoData);

    EXPECT_EQ(errorOf(wav(fmt(kAdpcm, 1, 4), data)), WaveError::UnsupportedEncoding);
    EXPECT_EQ(errorOf(wav(fmt(kMp3, 1, 0), data)), WaveError::UnsupportedEncoding);
    EXPECT_EQ(errorOf(wav(extensible(kAdpcm, 1, 4, 0x4, 4), data)), WaveError::UnsupportedEncoding);
    EXPECT_EQ(errorOf(wav(otherGuid, data)), WaveError::UnsupportedEncoding);
    EXPECT_EQ(errorOf(wav(fmt(kFloat, 1, 16), data)), WaveError::UnsupportedEncoding);
    EXPECT_EQ(errorOf(wav(fmt(kPcm, 1, 40), data)), WaveError::UnsupportedEncoding);

    EXPECT_EQ(errorOf(wav(fmt(kPcm, 0, 16), data)), WaveError::BadFormat);
    EXPECT_EQ(errorOf(wav(fmt(kPcm, 1, 16, 0), data)), WaveError::BadFormat);
}

namespace {

// Sign changes per second in [from, to) seconds: twice the frequency of a pure tone.
double crossingRate(const std::vector<qint16>& pcm, int rate, double from, double to) {
    int crossings = 0;
    for (auto i = qsizetype(from * rate) + 1; i < qsizetype(to * rate); ++i)
        crossings += (pcm[i - 1] < 0) != (pcm[i] < 0);
    return crossings / (to - from);
}

} // namespace

TEST(Chime, IsAShortUnclippedFallingPairOfTones) {
    constexpr int rate = 48000;
    const wave::Pcm chime = wave::chime(rate);
    const std::vector<qint16> pcm = samples(chime);
    EXPECT_EQ(chime.channels, 1);
    EXPECT_EQ(chime.sampleRate, rate);
    EXPECT_GE(chime.frameCount(), rate * 6 / 10);
    EXPECT_LE(chime.frameCount(), rate * 8 / 10);

    const auto [low, high] = std::minmax_element(pcm.begin(), pcm.end());
    EXPECT_GT(*high, 8000);
    EXPECT_LT(*high, 32767);
    EXPECT_GT(*low, -32768);
    EXPECT_LT(std::abs(pcm.front()), 200); // a soft start and end, no click
    EXPECT_LT(std::abs(pcm.back()), 200);

    EXPECT_NEAR(crossingRate(pcm, rate, 0.02, 0.22), 2 * 880, 20);
    EXPECT_NEAR(crossingRate(pcm, rate, 0.47, 0.67), 2 * 660, 20);
}

TEST(Conversion, ResamplesByInterpolationAndRemixesChannels) {
    const wave::Pcm ramp{8000, 2, le<qint16>({0, 1000, 100, 1000, 200, 1000})};
    const wave::Pcm doubled = wave::resample(ramp, 16000);
    EXPECT_EQ(doubled.sampleRate, 16000);
    const std::vector<qint16> up = samples(doubled);
    ASSERT_EQ(doubled.frameCount(), 6);
    EXPECT_EQ(up,
              (std::vector<qint16>{0, 1000, 50, 1000, 100, 1000, 150, 1000, 200, 1000, 200, 1000}));
    const wave::Pcm second{48000, 1, QByteArray(48000 * 2, 0)};
    EXPECT_EQ(wave::resample(second, 44100).frameCount(), 44100);

    const wave::Pcm stereo{8000, 2, le<qint16>({1000, -3000, 32767, 32767})};
    EXPECT_EQ(samples(wave::remix(stereo, 1)), (std::vector<qint16>{-1000, 32767}));
    EXPECT_EQ(samples(wave::remix(stereo, 4)),
              (std::vector<qint16>{1000, -3000, 0, 0, 32767, 32767, 0, 0}));
    EXPECT_EQ(samples(wave::remix({8000, 1, le<qint16>({7, -7})}, 2)),
              (std::vector<qint16>{7, 7, -7, -7}));
}

TEST(WaveRead, AFifoADeviceOrAFolderIsRefusedAtOnceAndTheCapCountsBytesRead) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("alarm.wav"));
    ASSERT_TRUE(hostile::makeFifo(fifo));
    const QString huge = dir.filePath(QStringLiteral("huge.wav"));
    hostile::writeAll(huge, QByteArray(4096, 'x'));
    for (const QString& path :
         {fifo, QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"), dir.path()}) {
        std::optional<wave::Decoded> read;
        EXPECT_TRUE(
            hostile::returnsWithin(5000, [&] { read = wave::readFile(path, 1024); }, {fifo}))
            << path.toStdString();
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(std::get<wave::WaveError>(*read), wave::WaveError::NotAFile)
            << path.toStdString();
    }
    EXPECT_EQ(std::get<wave::WaveError>(wave::readFile(huge, 1024)), wave::WaveError::TooLarge);
    // A regular file that reports size 0 but holds more than the cap.
    EXPECT_EQ(std::get<wave::WaveError>(wave::readFile(QStringLiteral("/proc/self/maps"), 1024)),
              wave::WaveError::TooLarge);
}
