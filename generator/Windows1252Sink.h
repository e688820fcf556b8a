#pragma once

#include "TextSink.h"

#include <QSet>
#include <QString>
#include <array>

namespace gen {

// The characters of the bytes 0x80 to 0x9F. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) hold no character here, so U+0081 and its kind are written
// as "?" like any other character the code page cannot hold: a module that round-trips
// through an editor must not carry invisible control characters.
inline constexpr std::array<char16_t, 32> kHighControlBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The text of Windows-1252 bytes; the five bytes the code page leaves undefined become U+FFFD.
QString decodeWindows1252(QByteArrayView bytes);
// The character of one such byte, the same way.
inline char16_t windows1252Unit(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0)
        return byte;
    const char16_t unit = kHighControlBlock[byte - 0x80];
    return unit != 0 ? unit : char16_t(0xFFFD);
}

// Encodes the text it receives as Windows-1252 and passes the bytes on in chunks of 64 KiB (one
// byte more where a character was split between two pieces). Every character the code page cannot
// hold becomes "?" and is noted once, in order of appearance.
class Windows1252Sink : public TextSink {
public:
    explicit Windows1252Sink(ByteSink& next) : m_next(next) {}

    void write(QStringView text) override;
    // Passes on what is left; a high surrogate still waiting for its partner becomes "?".
    void finish();
    const QString& replaced() const { return m_replaced; }

private:
    void encodeUnit(char16_t unit, QStringView text, qsizetype& i);
    void replace(char32_t character);
    // The write loop passes a full chunk on before it adds to it; only a character held back
    // from the end of the previous piece can land after a full chunk, in the spare byte.
    void put(char byte) { m_buffer[std::size_t(m_length++)] = byte; }
    void passOn();

    ByteSink& m_next;
    QString m_replaced;
    QSet<char32_t> m_seen;
    char16_t m_pendingHigh = 0;
    qsizetype m_length = 0;
    static constexpr qsizetype kChunk = 65536;
    std::array<char, kChunk + 1> m_buffer;
};

} // namespace gen
