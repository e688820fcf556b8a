#include "ModuleFile.h"

#include "corelib/File.h"

#include <QSet>

#include <array>

namespace gen {
namespace {

// The characters of the bytes 0x80 to 0x9F. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) hold no character here, so U+0081 and its kind are written
// as "?" like any other character the code page cannot hold: a module that round-trips
// through an editor must not carry invisible control characters.
constexpr std::array<char16_t, 32> kHighControlBlock = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

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

// Keeps each replaced character once, in order of appearance; the set keeps a text full of
// distinct foreign characters linear.
class ReplacedCharacters {
public:
    explicit ReplacedCharacters(QString& replaced) : m_replaced(replaced) {}

    void note(QStringView character) {
        const char32_t codePoint = character.size() == 2
                                       ? QChar::surrogateToUcs4(character[0], character[1])
                                       : character[0].unicode();
        if (m_seen.contains(codePoint))
            return;
        m_seen.insert(codePoint);
        m_replaced.append(character);
    }

private:
    QString& m_replaced;
    QSet<char32_t> m_seen;
};

} // namespace

EncodedModule encodeModule(const QString& moduleText) {
    EncodedModule result;
    ReplacedCharacters replaced(result.replaced);
    // One byte per UTF-16 unit at most; a surrogate pair becomes one byte.
    result.bytes.resize(moduleText.size());
    char* out = result.bytes.data();
    const QStringView text(moduleText);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (const char byte = toWindows1252(unit); byte != 0 || unit == 0) {
            *out++ = byte;
            continue;
        }
        // A character outside the BMP is one character and becomes one "?".
        const bool pair = QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
                          QChar::isLowSurrogate(text[i + 1].unicode());
        replaced.note(text.sliced(i, pair ? 2 : 1));
        *out++ = '?';
        if (pair)
            ++i;
    }
    result.bytes.truncate(out - result.bytes.constData());
    return result;
}

QString writeModuleFile(const QString& path, const QString& moduleText) {
    EncodedModule encoded = encodeModule(moduleText);
    vlt::cls_File file;
    file.OPENURL(path, vlt::ID_FileOpen_Output);
    file.WRITETEXT(encoded.bytes);
    file.CLOSEURL();
    return encoded.replaced;
}

} // namespace gen
