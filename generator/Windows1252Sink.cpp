#include "Windows1252Sink.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gen {
namespace {

// The Windows-1252 byte of a UTF-16 unit, or 0 when the code page has none (NUL itself is
// handled by the caller).
char toWindows1252(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    if (unit == 0x20AC) // the euro sign of every separator line
        return static_cast<char>(0x80);
    for (std::size_t i = 0; i < kHighControlBlock.size(); ++i)
        if (kHighControlBlock[i] == unit)
            return static_cast<char>(0x80 + i);
    return 0;
}

// Copies the leading ASCII units of units[0, count) as bytes to out; returns how many.
qsizetype narrowAscii(const char16_t* units, qsizetype count, char* out) {
    qsizetype done = 0;
#if defined(__SSE2__)
    const __m128i nonAscii = _mm_set1_epi16(static_cast<short>(0xFF80));
    for (; done + 16 <= count; done += 16) {
        const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + done));
        const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + done + 8));
        const __m128i outside = _mm_and_si128(_mm_or_si128(low, high), nonAscii);
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(outside, _mm_setzero_si128())) != 0xFFFF)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done), _mm_packus_epi16(low, high));
    }
#endif
    for (; done < count && units[done] < 0x80; ++done)
        out[done] = static_cast<char>(units[done]);
    return done;
}

// Widens the leading ASCII bytes of bytes[0, count) to units at out; returns how many.
qsizetype widenAscii(const unsigned char* bytes, qsizetype count, char16_t* out) {
    qsizetype done = 0;
#if defined(__SSE2__)
    for (; done + 16 <= count; done += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + done));
        if (_mm_movemask_epi8(chunk) != 0)
            break;
        const __m128i zero = _mm_setzero_si128();
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done), _mm_unpacklo_epi8(chunk, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done + 8),
                         _mm_unpackhi_epi8(chunk, zero));
    }
#endif
    for (; done < count && bytes[done] < 0x80; ++done)
        out[done] = bytes[done];
    return done;
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    qsizetype i = 0;
    while (i < bytes.size()) {
        i += widenAscii(in + i, bytes.size() - i, out + i);
        for (; i < bytes.size() && in[i] >= 0x80; ++i)
            out[i] = windows1252Unit(in[i]);
    }
    return text;
}

void Windows1252Sink::write(QStringView text) {
    qsizetype i = 0;
    if (m_pendingHigh != 0 && !text.isEmpty()) {
        const char16_t high = m_pendingHigh;
        m_pendingHigh = 0;
        if (QChar::isLowSurrogate(text[0].unicode())) {
            replace(QChar::surrogateToUcs4(high, text[0].unicode()));
            i = 1;
        } else {
            replace(high);
        }
    }
    const char16_t* units = text.utf16();
    while (i < text.size()) {
        if (m_length >= kChunk)
            passOn();
        // Modules are almost all ASCII: copy runs of it without looking further.
        const qsizetype end = std::min(text.size(), i + kChunk - m_length);
        const qsizetype copied = narrowAscii(units + i, end - i, m_buffer.data() + m_length);
        i += copied;
        m_length += copied;
        if (i < end) {
            encodeUnit(units[i], text, i);
            ++i;
        }
    }
}

// A character outside the BMP is one character and becomes one "?"; its high surrogate may
// arrive at the end of one piece and its low surrogate at the start of the next.
void Windows1252Sink::encodeUnit(char16_t unit, QStringView text, qsizetype& i) {
    if (const char byte = toWindows1252(unit); byte != 0) {
        put(byte);
        return;
    }
    if (!QChar::isHighSurrogate(unit)) {
        replace(unit);
    } else if (i + 1 == text.size()) {
        m_pendingHigh = unit;
    } else if (QChar::isLowSurrogate(text[i + 1].unicode())) {
        replace(QChar::surrogateToUcs4(unit, text[i + 1].unicode()));
        ++i;
    } else {
        replace(unit);
    }
}

void Windows1252Sink::replace(char32_t character) {
    put('?');
    if (m_seen.contains(character))
        return;
    m_seen.insert(character);
    if (QChar::requiresSurrogates(character))
        m_replaced.append(QChar(QChar::highSurrogate(character)))
            .append(QChar(QChar::lowSurrogate(character)));
    else
        m_replaced.append(QChar(static_cast<char16_t>(character)));
}

void Windows1252Sink::passOn() {
    m_next.write(QByteArrayView(m_buffer.data(), m_length));
    m_length = 0;
}

void Windows1252Sink::finish() {
    if (m_pendingHigh != 0) {
        replace(m_pendingHigh);
        m_pendingHigh = 0;
    }
    passOn();
}

} // namespace gen
