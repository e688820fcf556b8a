#pragma once

#include "corelib/HostText.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <cstring>

namespace gen {

// indent×depth as one line piece.
struct Indent {
    int depth = 1;
};

// A name spelled as hName spells it (first character upper case, the rest lower case),
// written straight into the text.
struct ControlName {
    QStringView name;
};

// The module text under construction. Every line is written as CR LF followed by its pieces,
// so the text never ends in a line break unless the last piece is one. The characters are
// written into one buffer that grows geometrically; take() trims it to the text's length.
class ModuleWriter {
public:
    explicit ModuleWriter(qsizetype expectedLength) { grow(expectedLength); }

    template <typename... Pieces> void line(const Pieces&... pieces) {
        if (m_omitNextLineBreak)
            m_omitNextLineBreak = false;
        else
            put(u"\r\n");
        (put(pieces), ...);
    }

    // Continues the current line.
    template <typename... Pieces> void sameLine(const Pieces&... pieces) { (put(pieces), ...); }

    // A line that holds only indent×depth.
    void indentLine(int depth = 1) { line(Indent{depth}); }

    // Closes a section: five empty lines stand between its last line and the next line.
    void closeSection() { line(u"\r\n\r\n\r\n\r\n"); }

    // The next line starts the text without a line break in front of it.
    void omitNextLineBreak() { m_omitNextLineBreak = true; }

    // Cuts the ", " after the last item of a pack or unpack statement.
    void cutTrailingListSeparator() {
        if (m_length >= 2 && m_data[m_length - 2] == u',' && m_data[m_length - 1] == u' ')
            m_length -= 2;
    }

    QString take() {
        m_text.truncate(m_length);
        m_length = 0;
        m_data = nullptr;
        return std::move(m_text);
    }

private:
    template <std::size_t N> void put(const char16_t (&literal)[N]) { append(literal, N - 1); }
    void put(QStringView piece) { append(piece.utf16(), piece.size()); }
    void put(const QString& piece) { put(QStringView(piece)); }
    void put(Indent indent) {
        for (int i = 0; i < indent.depth; ++i)
            append(u"    ", 4);
    }
    void put(ControlName control) {
        const qsizetype size = control.name.size();
        reserveFor(size);
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t unit = control.name[i].unicode();
            m_data[m_length + i] = i == 0 ? vlt::upperUnit(unit) : vlt::lowerUnit(unit);
        }
        m_length += size;
    }
    void put(qint32 number) {
        char16_t digits[12];
        char16_t* end = digits + std::size(digits);
        char16_t* begin = end;
        quint32 rest =
            number < 0 ? 0u - static_cast<quint32>(number) : static_cast<quint32>(number);
        do {
            *--begin = static_cast<char16_t>(u'0' + rest % 10);
            rest /= 10;
        } while (rest != 0);
        if (number < 0)
            *--begin = u'-';
        append(begin, end - begin);
    }

    void append(const char16_t* characters, qsizetype count) {
        if (count == 0)
            return; // an empty piece may have no characters at all, not even a pointer
        reserveFor(count);
        std::memcpy(m_data + m_length, characters, static_cast<std::size_t>(count) * 2);
        m_length += count;
    }
    void reserveFor(qsizetype count) {
        if (m_length + count > m_text.size())
            grow(std::max(m_text.size() * 2, m_length + count));
    }
    void grow(qsizetype capacity) {
        m_text.resize(capacity);
        m_data = reinterpret_cast<char16_t*>(m_text.data());
    }

    QString m_text; // its size is the buffer's capacity; m_length characters are written
    char16_t* m_data = nullptr;
    qsizetype m_length = 0;
    bool m_omitNextLineBreak = false;
};

} // namespace gen
