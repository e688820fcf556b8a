#pragma once

#include "TextSink.h"

#include "corelib/HostText.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <array>
#include <cstring>

namespace gen {

// Where in the generator a line is written. As a default argument it takes the place of the
// call, as std::source_location does, through builtins that every compiler of the project has.
struct SourcePlace {
    constexpr SourcePlace(const char* file = __builtin_FILE(), unsigned line = __builtin_LINE())
        : file(file), line(line) {}
    const char* file;
    unsigned line;
};

// indent×depth as one line piece.
struct Indent {
    int depth = 1;
};

// The first piece of a line together with the place in the generator that writes the line,
// so that a traced module names the emitting file and line of every line.
struct LineStart {
    template <std::size_t N>
    LineStart(const char16_t (&literal)[N], SourcePlace where = SourcePlace())
        : text(literal, N - 1), where(where) {}
    LineStart(QStringView text, SourcePlace where = SourcePlace()) : text(text), where(where) {}
    LineStart(const QString& text, SourcePlace where = SourcePlace()) : text(text), where(where) {}
    LineStart(Indent indent, SourcePlace where = SourcePlace())
        : indent(indent.depth), where(where) {}

    QStringView text;
    int indent = 0;
    SourcePlace where;
};

// The module text under construction. Every line is written as CR LF followed by its pieces,
// so the text never ends in a line break unless the last piece is one. The characters gather
// in a fixed buffer that is handed to the sink whenever it fills; the last two characters stay
// behind so that a trailing ", " can still be cut.
class ModuleWriter {
public:
    ModuleWriter(TextSink& sink, bool trace) : m_sink(sink), m_trace(trace) {}

    template <typename... Pieces> void line(LineStart first, const Pieces&... pieces) {
        startLine(first.where);
        if (first.indent > 0)
            put(Indent{first.indent});
        else
            put(first.text);
        (put(pieces), ...);
    }
    void line(SourcePlace where = SourcePlace()) { startLine(where); }

    // Continues the current line.
    template <typename... Pieces> void sameLine(const Pieces&... pieces) { (put(pieces), ...); }

    // A line that holds only indent×depth.
    void indentLine(int depth = 1, SourcePlace where = SourcePlace()) {
        line(LineStart(Indent{depth}, where));
    }

    // Closes a section: five empty lines stand between its last line and the next line.
    void closeSection(SourcePlace where = SourcePlace()) {
        line(LineStart(u"\r\n\r\n\r\n\r\n", where));
    }

    // The next line starts the text without a line break in front of it.
    void omitNextLineBreak() { m_omitNextLineBreak = true; }

    // Cuts the ", " after the last item of a pack or unpack statement.
    void cutTrailingListSeparator() {
        if (m_length >= 2 && m_buffer[m_length - 2] == u',' && m_buffer[m_length - 1] == u' ')
            m_length -= 2;
    }

    // Hands the rest of the text to the sink; the writer is done then.
    void finish() { m_sink.write(QStringView(m_buffer.data(), m_length)); }

private:
    static constexpr qsizetype kKept = 2;
    static constexpr qsizetype kCapacity = 32768; // 64 KiB

    void startLine(const SourcePlace& where) {
        if (m_trace)
            traceLine(where);
        if (m_omitNextLineBreak)
            m_omitNextLineBreak = false;
        else
            put(u"\r\n");
    }

    // Ends with the flag set, so the line break it leaves out is left out only once.
    void traceLine(const SourcePlace& where) {
        if (!m_omitNextLineBreak)
            put(u"\r\n");
        const QLatin1StringView path(where.file);
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        put(u"' gen: ");
        for (const char c : path.sliced(slash + 1))
            put(QChar::fromLatin1(c));
        put(u":");
        put(where.line);
        put(u"\r\n");
        m_omitNextLineBreak = true;
    }

    template <std::size_t N> void put(const char16_t (&literal)[N]) { append(literal, N - 1); }
    void put(QStringView piece) { append(piece.utf16(), piece.size()); }
    void put(const QString& piece) { put(QStringView(piece)); }
    void put(QChar character) { append(&character.unicode(), 1); }
    void put(Indent indent) {
        for (int i = 0; i < indent.depth; ++i)
            append(u"    ", 4);
    }
    // A trace comment's source line number.
    void put(quint32 number) {
        char16_t digits[10];
        char16_t* end = digits + std::size(digits);
        char16_t* begin = end;
        do {
            *--begin = static_cast<char16_t>(u'0' + number % 10);
            number /= 10;
        } while (number != 0);
        append(begin, end - begin);
    }

    void append(const char16_t* characters, qsizetype count) {
        if (count == 0)
            return; // an empty piece may have no characters at all, not even a pointer
        if (m_length + count <= kCapacity) {
            copyUnits(m_buffer.data() + m_length, characters, count);
            m_length += count;
            return;
        }
        while (count > 0) {
            if (m_length == kCapacity)
                passOn();
            const qsizetype taken = std::min(count, kCapacity - m_length);
            std::memcpy(m_buffer.data() + m_length, characters, std::size_t(taken) * 2);
            m_length += taken;
            characters += taken;
            count -= taken;
        }
    }

    // Most pieces are a few characters long; copying those here beats a call to memcpy.
    static void copyUnits(char16_t* to, const char16_t* from, qsizetype count) {
        if (count > 16) {
            std::memcpy(to, from, std::size_t(count) * 2);
            return;
        }
        if (count >= 8) {
            std::memcpy(to, from, 16);
            std::memcpy(to + count - 8, from + count - 8, 16);
        } else if (count >= 4) {
            std::memcpy(to, from, 8);
            std::memcpy(to + count - 4, from + count - 4, 8);
        } else {
            for (qsizetype i = 0; i < count; ++i)
                to[i] = from[i];
        }
    }

    void passOn() {
        const qsizetype passed = m_length - kKept;
        m_sink.write(QStringView(m_buffer.data(), passed));
        std::memmove(m_buffer.data(), m_buffer.data() + passed, kKept * 2);
        m_length = kKept;
    }

    TextSink& m_sink;
    bool m_trace;
    bool m_omitNextLineBreak = false;
    qsizetype m_length = 0;
    std::array<char16_t, kCapacity> m_buffer;
};

} // namespace gen
