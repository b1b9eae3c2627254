#pragma once

#include <QByteArray>
#include <QString>
#include <variant>

// Alert sounds: RIFF WAVE files decoded to one sample form that every sound server plays,
// and the built-in chime used when the user's file cannot be played.
namespace wave {

// Interleaved signed 16-bit samples in the machine's byte order; decoding gives mono or
// stereo.
struct Pcm {
    int sampleRate = 0;
    int channels = 0;
    QByteArray samples;

    qsizetype frameCount() const;
};

enum class WaveError {
    NotRiff,             // no RIFF/WAVE header
    NoFormat,            // no usable fmt chunk
    NoData,              // no data chunk, or not a single whole frame in it
    UnsupportedEncoding, // compressed (ADPCM, MP3, ...) or an unusual sample size
    BadFormat,           // zero channels, an impossible sample rate and the like
    NotAFile,            // missing, unreadable, or a FIFO, device or folder
    TooLarge,            // more bytes than an alert sound may have
};

// Either the decoded sound or why it cannot be played.
using Decoded = std::variant<Pcm, WaveError>;

// Integer PCM of 8 (unsigned) to 32 bits, float of 32 or 64 bits, plain or extensible;
// more than two channels are mixed down to stereo.
Decoded decode(const QByteArray& file);

// The sound in the file at path, read without ever waiting on what lies there and with
// at most maxBytes taken from it.
Decoded readFile(const QString& path, qint64 maxBytes);

// A short soft two-tone chime.
Pcm chime(int sampleRate);

// The same sound at another rate, by linear interpolation.
Pcm resample(const Pcm& pcm, int sampleRate);

// The same sound with another channel count: mono is copied to every channel, stereo is
// averaged to mono or fills the first two of more channels.
Pcm remix(const Pcm& pcm, int channels);

// A few words for a log line.
QString describe(WaveError error);

} // namespace wave
