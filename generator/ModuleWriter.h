#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace gen {

// indent×depth as one line piece.
struct Indent {
    int depth = 1;
};

// The module text under construction. Every line is written as CR LF followed by its pieces,
// so the text never ends in a line break unless the last piece is one.
class ModuleWriter {
public:
    explicit ModuleWriter(qsizetype expectedLength) { m_text.reserve(expectedLength); }

    template <typename... Pieces> void line(const Pieces&... pieces) {
        if (m_omitNextLineBreak)
            m_omitNextLineBreak = false;
        else
            m_text.append(QStringView(u"\r\n"));
        (put(pieces), ...);
    }

    // Continues the current line.
    template <typename... Pieces> void sameLine(const Pieces&... pieces) { (put(pieces), ...); }

    // A line that holds only indent×depth.
    void indentLine(int depth = 1) { line(Indent{depth}); }

    // Closes a section: five empty lines stand between its last line and the next line.
    void closeSection() { line(QStringView(u"\r\n\r\n\r\n\r\n")); }

    // The next line starts the text without a line break in front of it.
    void omitNextLineBreak() { m_omitNextLineBreak = true; }

    // Cuts the ", " after the last item of a pack or unpack statement.
    void cutTrailingListSeparator() {
        if (m_text.endsWith(QStringView(u", ")))
            m_text.chop(2);
    }

    QString take() { return std::move(m_text); }

private:
    void put(QStringView piece) { m_text.append(piece); }
    void put(Indent indent) {
        for (int i = 0; i < indent.depth; ++i)
            m_text.append(QStringView(u"    "));
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
        m_text.append(QStringView(begin, end));
    }

    QString m_text;
    bool m_omitNextLineBreak = false;
};

} // namespace gen
