#include "ImportText.h"

#include "Windows1252Sink.h"

#include "corelib/HostText.h"

namespace gen::importing {
namespace {

constexpr unsigned char kEuroByte = 0x80;

char16_t unitOf(char byte) {
    return windows1252Unit(static_cast<unsigned char>(byte));
}

bool isBlank(char byte) {
    return byte == ' ' || byte == '\t';
}
bool isBlankUnit(QChar c) {
    return c == u' ' || c == u'\t';
}

Line trimmed(Line line) {
    qsizetype begin = 0, end = line.size();
    while (begin < end && isBlank(line[begin]))
        ++begin;
    while (end > begin && isBlank(line[end - 1]))
        --end;
    return line.sliced(begin, end - begin);
}

bool sameUnit(char byte, QChar unit) {
    const char16_t own = unitOf(byte);
    return own == unit.unicode() || vlt::upperUnit(own) == vlt::upperUnit(unit.unicode());
}

bool isWordUnit(char16_t c) {
    return QChar(c).isLetterOrNumber() || c == u'_';
}

// Blanks may come and go beside punctuation, but between two word characters a blank in the
// piece needs one in the line and the other way round: "PublicX" is not "Public X".
bool blanksAgree(bool inPiece, bool inLine, char16_t before, char16_t after) {
    return inPiece == inLine || !isWordUnit(before) || !isWordUnit(after);
}

bool exactAt(Line line, qsizetype at, QStringView piece) {
    if (at + piece.size() > line.size())
        return false;
    for (qsizetype j = 0; j < piece.size(); ++j)
        if (unitOf(line[at + j]) != piece[j].unicode())
            return false;
    return true;
}

qsizetype exactFind(Line line, qsizetype from, QStringView piece) {
    if (piece.isEmpty())
        return from;
    const char16_t first = piece[0].unicode();
    for (qsizetype at = from; at + piece.size() <= line.size(); ++at) {
        if (first < 0x80) {
            at = line.indexOf(char(first), at);
            if (at < 0 || at + piece.size() > line.size())
                return -1;
        }
        if (exactAt(line, at, piece))
            return at;
    }
    return -1;
}

// Where piece ends when it is matched at `at` without regard to case and to blanks beside
// punctuation; -1 when it does not match there.
qsizetype looseMatchAt(Line line, qsizetype at, QStringView piece) {
    qsizetype j = 0;
    while (true) {
        const qsizetype pieceStart = j;
        while (j < piece.size() && isBlankUnit(piece[j]))
            ++j;
        const qsizetype lineStart = at;
        while (at < line.size() && isBlank(line[at]))
            ++at;
        if (j == piece.size() && j == pieceStart)
            return lineStart;
        const char16_t before = lineStart > 0 ? unitOf(line[lineStart - 1]) : u' ';
        const char16_t after = at < line.size() ? unitOf(line[at]) : u' ';
        if (!blanksAgree(j > pieceStart, at > lineStart, before, after))
            return -1;
        if (j == piece.size())
            return at;
        if (at == line.size() || !sameUnit(line[at], piece[j]))
            return -1;
        ++at, ++j;
    }
}

// Where piece starts when it is matched, as above, so that it ends the line; -1 otherwise.
qsizetype looseMatchAtEnd(Line line, QStringView piece) {
    qsizetype at = line.size(), j = piece.size();
    while (true) {
        const qsizetype pieceEnd = j;
        while (j > 0 && isBlankUnit(piece[j - 1]))
            --j;
        const qsizetype lineEnd = at;
        while (at > 0 && isBlank(line[at - 1]))
            --at;
        if (j == 0 && j == pieceEnd)
            return lineEnd;
        const char16_t before = at > 0 ? unitOf(line[at - 1]) : u' ';
        const char16_t after = lineEnd < line.size() ? unitOf(line[lineEnd]) : u' ';
        if (!blanksAgree(j < pieceEnd, at < lineEnd, before, after))
            return -1;
        if (j == 0)
            return at;
        if (at == 0 || !sameUnit(line[at - 1], piece[j - 1]))
            return -1;
        --at, --j;
    }
}

bool splitExactly(Line line, const QStringView* pieces, std::size_t count, Line* const* values) {
    const QStringView last = pieces[count - 1];
    const qsizetype end = line.size() - last.size();
    if (end < pieces[0].size() || !exactAt(line, 0, pieces[0]) || !exactAt(line, end, last))
        return false;
    qsizetype at = pieces[0].size();
    for (std::size_t k = 1; k < count; ++k) {
        const qsizetype next = k + 1 == count ? end : exactFind(line, at, pieces[k]);
        if (next < 0 || next > end)
            return false;
        *values[k - 1] = line.sliced(at, next - at);
        at = next + pieces[k].size();
    }
    return true;
}

bool splitLoosely(Line line, const QStringView* pieces, std::size_t count, Line* const* values) {
    qsizetype at = looseMatchAt(line, 0, pieces[0]);
    const qsizetype end = looseMatchAtEnd(line, pieces[count - 1]);
    if (at < 0 || end < at)
        return false;
    for (std::size_t k = 1; k < count; ++k) {
        qsizetype next = end, after = end;
        for (qsizetype from = at; k + 1 < count; ++from) {
            if (from >= end)
                return false;
            if (isBlank(line[from]))
                continue;
            after = looseMatchAt(line, from, pieces[k]);
            if (after >= 0 && after <= end) {
                next = from;
                break;
            }
        }
        *values[k - 1] = trimmed(line.sliced(at, next - at));
        at = after;
    }
    return true;
}

bool startsWithWord(Line& rest, QStringView word) {
    const qsizetype after = looseMatchAt(rest, 0, word);
    if (after < 0)
        return false;
    rest = trimmed(rest.sliced(after));
    return true;
}

} // namespace

qsizetype ModuleText::lineEnd(qsizetype position) const {
    for (qsizetype at = position; at < m_bytes.size(); ++at) {
        at = m_bytes.indexOf('\r', at);
        if (at < 0)
            break;
        if (at + 1 < m_bytes.size() && m_bytes[at + 1] == '\n')
            return at;
    }
    return m_bytes.size();
}

qsizetype ModuleText::lineNumber(qsizetype position) const {
    return 1 + m_bytes.first(std::min(position, m_bytes.size())).count("\r\n");
}

bool sameLine(Line line, QStringView expected) {
    if (line.size() == expected.size() && exactAt(line, 0, expected))
        return true;
    qsizetype i = 0, j = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        while (j < expected.size() && isBlankUnit(expected[j]))
            ++j;
        if (i == line.size() || j == expected.size())
            return i == line.size() && j == expected.size();
        if (!sameUnit(line[i], expected[j]))
            return false;
        ++i, ++j;
    }
}

bool isSeparator(Line line) {
    line = trimmed(line);
    if (line.size() < 11 || line[0] != '\'')
        return false;
    for (const char byte : line.sliced(1))
        if (static_cast<unsigned char>(byte) != kEuroByte)
            return false;
    return true;
}

bool isEmptyLine(Line line) {
    return trimmed(line).isEmpty();
}

bool isProcedureHead(Line line) {
    Line rest = trimmed(line);
    if (!startsWithWord(rest, u"Public ") && !startsWithWord(rest, u"Private "))
        startsWithWord(rest, u"Friend ");
    startsWithWord(rest, u"Static ");
    return (startsWithWord(rest, u"Sub ") || startsWithWord(rest, u"Function ") ||
            startsWithWord(rest, u"Property ")) &&
           rest.indexOf('(') > 0;
}

// Every head passed the test above, so it has a parenthesis after the name.
Line procedureName(Line head) {
    const qsizetype open = head.indexOf('(');
    const Line before = trimmed(head.first(open));
    const qsizetype blank = std::max(before.lastIndexOf(' '), before.lastIndexOf('\t'));
    return blank < 0 ? before : before.sliced(blank + 1);
}

bool isNamed(Line head, QStringView name) {
    const Line found = procedureName(head);
    return found.size() == name.size() && looseMatchAt(found, 0, name) == found.size();
}

QStringView procedureEnd(Line head) {
    const Line name = procedureName(head);
    const Line before = head.first(name.data() - head.data());
    for (qsizetype at = 0; at < before.size(); ++at) {
        if (looseMatchAt(before, at, u"Property ") >= 0)
            return u"End Property";
        if (looseMatchAt(before, at, u"Function ") >= 0)
            return u"End Function";
    }
    return u"End Sub";
}

bool splitLine(Line line, std::initializer_list<QStringView> pieces,
               std::initializer_list<Line*> values) {
    Q_ASSERT(pieces.size() == values.size() + 1);
    return splitExactly(line, pieces.begin(), pieces.size(), values.begin()) ||
           splitLoosely(line, pieces.begin(), pieces.size(), values.begin());
}

bool startsWithPiece(Line line, QStringView prefix, Line* rest) {
    Line ignored;
    return splitLine(line, {prefix, u""}, {rest ? rest : &ignored});
}

QString textOf(Line value) {
    return decodeWindows1252(value);
}

QString quotedLine(Line line) {
    const QString text = textOf(trimmed(line));
    if (text.size() > 60)
        return QStringLiteral("„%1…“").arg(QStringView(text).first(57));
    return QStringLiteral("„%1“").arg(text);
}

} // namespace gen::importing
