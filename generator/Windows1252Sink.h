#pragma once

#include "TextSink.h"

#include <QSet>
#include <QString>
#include <array>

namespace gen {

// The text of Windows-1252 bytes; the five bytes the code page leaves undefined become U+FFFD.
QString decodeWindows1252(QByteArrayView bytes);
// The character of one such byte, the same way.
char16_t windows1252Unit(unsigned char byte);

// Encodes the text it receives as Windows-1252 and passes the bytes on in chunks of 64 KiB.
// Every character the code page cannot hold becomes "?" and is noted once, in order of
// appearance.
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
    void put(char byte) {
        if (m_length == qsizetype(m_buffer.size()))
            passOn();
        m_buffer[std::size_t(m_length++)] = byte;
    }
    void passOn();

    ByteSink& m_next;
    QString m_replaced;
    QSet<char32_t> m_seen;
    char16_t m_pendingHigh = 0;
    qsizetype m_length = 0;
    std::array<char, 65536> m_buffer;
};

} // namespace gen
