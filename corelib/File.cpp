#include "File.h"

#include "AtomicFile.h"
#include "BulkMemory.h"
#include "Error.h"
#include "Sealing.h"
#include "SystemErrorText.h"
#include "ValueConversion.h"

#include <QFile>
#include <QStringDecoder>
#include <bit>
#include <charconv>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vlt {
namespace {

const QByteArray kHeader = QByteArrayLiteral("VLTFILE 1");
const QByteArray kHeaderPrefix = QByteArrayLiteral("VLTFILE ");
const QByteArray kEnd = QByteArrayLiteral("END");

void appendUtf8(QByteArray& out, char32_t code) {
    if (code < 0x80) {
        out.append(static_cast<char>(code));
    } else if (code < 0x800) {
        out.append(static_cast<char>(0xC0 | (code >> 6)));
        out.append(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.append(static_cast<char>(0xE0 | (code >> 12)));
        out.append(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.append(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.append(static_cast<char>(0xF0 | (code >> 18)));
        out.append(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.append(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.append(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// Encodes straight into the file buffer: no temporary UTF-8 copy per text. A lone surrogate
// becomes U+FFFD, as Qt's own conversion does.
void appendEscaped(QByteArray& out, const QString& text) {
    const QChar* it = text.constData();
    const QChar* const end = it + text.size();
    for (; it != end; ++it) {
        const char16_t c = it->unicode();
        if (c == u'\\')
            out.append("\\\\", 2);
        else if (c == u'\r')
            out.append("\\r", 2);
        else if (c == u'\n')
            out.append("\\n", 2);
        else if (QChar::isHighSurrogate(c) && it + 1 != end && (it + 1)->isLowSurrogate())
            appendUtf8(out, QChar::surrogateToUcs4(c, (++it)->unicode()));
        else if (QChar::isSurrogate(c))
            appendUtf8(out, 0xFFFD);
        else
            appendUtf8(out, c);
    }
}

void appendValueLine(QByteArray& out, const Variant& value) {
    switch (value.kind()) {
    case Variant::Kind::Empty:
        out.append('E');
        break;
    case Variant::Kind::Boolean:
        out.append(value.toBool() ? "B:-1" : "B:0");
        break;
    case Variant::Kind::Long: {
        char buffer[16];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value.toLong()).ptr;
        out.append("L:", 2).append(buffer, end - buffer);
        break;
    }
    case Variant::Kind::Double:
        out.append("D:", 2).append(doubleToText(value.toDouble()).toLatin1());
        break;
    case Variant::Kind::Text:
        out.append("S:", 2);
        appendEscaped(out, *value.textIf());
        break;
    case Variant::Kind::Missing:
        throw Error(QStringLiteral("Ein fehlender Wert kann nicht gespeichert werden."));
    }
    out.append('\n');
}

// ASCII without a backslash: such a text needs no unescaping and is valid UTF-8. Nearly every
// value line of a template is one, and most are a few bytes long.
bool isPlainAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (c == '\\' || static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// "K:..." for the value kind K.
bool hasKind(QByteArrayView text, char kind) {
    return text.size() >= 2 && text[0] == kind && text[1] == ':';
}

bool isEndLine(QByteArrayView text) {
    return text.size() == 3 && text[0] == 'E' && text[1] == 'N' && text[2] == 'D';
}

bool isEmptyLine(QByteArrayView text) {
    return text.size() == 1 && text[0] == 'E';
}

class LineParser {
public:
    LineParser(const QString& url, int line) : m_url(url), m_line(line) {}

    // Checks a line as parse would read it, without building its value.
    void check(QByteArrayView text) const {
        if (isEmptyLine(text))
            return;
        if (text.size() < 2 || text[1] != ':')
            fail(QStringLiteral("unbekannte Wertzeile"));
        const QByteArrayView body = text.sliced(2);
        switch (text[0]) {
        case 'B':
            parseBoolean(body);
            return;
        case 'L':
            parseLong(body);
            return;
        case 'D':
            parseDouble(body);
            return;
        case 'S':
            checkText(body);
            return;
        default:
            fail(QStringLiteral("unbekannte Wertzeile"));
        }
    }

    static bool isText(QByteArrayView text) { return hasKind(text, 'S'); }
    static bool isFlag(QByteArrayView text) { return hasKind(text, 'B'); }
    bool flag(QByteArrayView line) const { return parseBoolean(line.sliced(2)); }
    // The text of a text line.
    QString text(QByteArrayView line) const { return unescape(line.sliced(2)); }
    // The same into `out`, reusing its storage for the common plain ASCII text.
    void textInto(QByteArrayView line, QString& out) const {
        const QByteArrayView body = line.sliced(2);
        if (!isPlainAscii(body)) {
            out = unescape(body);
            return;
        }
        out.resize(body.size());
        char16_t* to = reinterpret_cast<char16_t*>(out.data());
        for (const char c : body)
            *to++ = static_cast<unsigned char>(c);
    }

    Variant parse(QByteArrayView text) const {
        if (isEmptyLine(text))
            return Variant();
        if (text.size() < 2 || text[1] != ':')
            fail(QStringLiteral("unbekannte Wertzeile"));
        const QByteArrayView body = text.sliced(2);
        switch (text[0]) {
        case 'B':
            return Variant(parseBoolean(body));
        case 'L':
            return Variant(parseLong(body));
        case 'D':
            return Variant(parseDouble(body));
        case 'S':
            return Variant(unescape(body));
        default:
            fail(QStringLiteral("unbekannte Wertzeile"));
        }
    }

private:
    [[noreturn]] void fail(const QString& cause) const {
        throw Error(QStringLiteral("Die Datei \"%1\" ist beschädigt: Zeile %2: %3.")
                        .arg(m_url)
                        .arg(m_line)
                        .arg(cause));
    }

    bool parseBoolean(QByteArrayView body) const {
        if (body.size() == 2 && body[0] == '-' && body[1] == '1')
            return true;
        if (body.size() != 1 || body[0] != '0')
            fail(QStringLiteral("ungültiger Wahrheitswert"));
        return false;
    }

    qint32 parseLong(QByteArrayView body) const {
        qint32 value = 0;
        const auto [ptr, ec] = std::from_chars(body.begin(), body.end(), value);
        if (body.isEmpty() || ec != std::errc() || ptr != body.end())
            fail(QStringLiteral("ungültige Ganzzahl"));
        return value;
    }

    double parseDouble(QByteArrayView body) const {
        double value = 0;
        const auto [ptr, ec] = std::from_chars(body.begin(), body.end(), value);
        if (body.isEmpty() || ec != std::errc() || ptr != body.end())
            fail(QStringLiteral("ungültige Zahl"));
        return value;
    }

    // Escapes stand for single ASCII bytes, so the text is valid UTF-8 exactly when the line is.
    // A bad escape is named in its own line, before any fault of a later one.
    void checkText(QByteArrayView body) const {
        for (qsizetype i = body.indexOf('\\'); i >= 0; i = body.indexOf('\\', i + 2)) {
            if (i + 1 == body.size())
                fail(QStringLiteral("Text endet mit einem einzelnen Rückstrich"));
            const char escaped = body[i + 1];
            if (escaped != '\\' && escaped != 'r' && escaped != 'n')
                fail(QStringLiteral("unbekannte Escape-Folge"));
        }
        if (!isPlainAscii(body) && !body.isValidUtf8())
            fail(QStringLiteral("Text ist kein gültiges UTF-8"));
    }

    QString unescape(QByteArrayView body) const {
        if (isPlainAscii(body))
            return QString::fromLatin1(body);
        if (!body.contains('\\'))
            return decode(body);
        QByteArray raw;
        raw.reserve(body.size());
        for (qsizetype i = 0; i < body.size(); ++i) {
            const char c = body[i];
            if (c != '\\') {
                raw.append(c);
                continue;
            }
            if (++i == body.size())
                fail(QStringLiteral("Text endet mit einem einzelnen Rückstrich"));
            switch (body[i]) {
            case '\\':
                raw.append('\\');
                break;
            case 'r':
                raw.append('\r');
                break;
            case 'n':
                raw.append('\n');
                break;
            default:
                fail(QStringLiteral("unbekannte Escape-Folge"));
            }
        }
        return decode(raw);
    }

    // Stateless, so a sequence cut off at the end of the line counts as an error too.
    QString decode(QByteArrayView utf8) const {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(utf8);
        if (decoder.hasError())
            fail(QStringLiteral("Text ist kein gültiges UTF-8"));
        return text;
    }

    const QString& m_url;
    int m_line;
};

// The offset of the first line feed in text, or -1. Value lines are a few bytes long, so this
// looks at 16 bytes at a time instead of calling a library search for each line.
qsizetype findLineFeed(QByteArrayView text) {
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    for (; i + 16 <= text.size(); i += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const unsigned found = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lineFeed)));
        if (found != 0)
            return i + std::countr_zero(found);
    }
#endif
    for (; i < text.size(); ++i)
        if (text[i] == '\n')
            return i;
    return -1;
}

// Takes the next line off `rest`, without its line break.
QByteArrayView cutLine(QByteArrayView& rest) {
    const qsizetype newline = findLineFeed(rest);
    QByteArrayView text = newline < 0 ? rest : rest.first(newline);
    rest = newline < 0 ? QByteArrayView() : rest.sliced(newline + 1);
    if (!text.isEmpty() && text.back() == '\r')
        text.chop(1);
    return text;
}

// Where the END line starts when it is the last line of text, or -1.
qsizetype closingEndLine(QByteArrayView text) {
    if (text.endsWith('\n'))
        text.chop(1);
    if (text.endsWith('\r'))
        text.chop(1);
    const qsizetype end = text.size() - 3;
    if (end <= 0 || text[end - 1] != '\n' || !isEndLine(text.sliced(end)))
        return -1;
    return end;
}

} // namespace

cls_File::cls_File() = default;
cls_File::~cls_File() = default;

void cls_File::OPENURL(const QString& path, int mode, const QString& password) {
    if (mode != ID_FileOpen_Input && mode != ID_FileOpen_Output)
        throw Error(QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden: unbekannte "
                                   "Zugriffsart %2.")
                        .arg(path)
                        .arg(mode));
    m_url = path;
    m_password = password;
    m_mode = mode;
    clearInput();
    m_out.clear();
    m_storedCount = 0;
    m_hasText = false;
    if (mode == ID_FileOpen_Input)
        load();
}

void cls_File::clearInput() {
    m_in.clear();
    m_block = {};
    m_cursor = 0;
    m_valuesEnd = 0;
    m_line = 0;
    m_repeated.clear();
}

// A file of known size is read into one bulk block; the bytes are then only looked at, never
// copied.
QByteArray cls_File::readWhole(QFile& file) {
    const qint64 size = file.size();
    if (file.isSequential() || size <= 0)
        return file.readAll();
    // One byte more than the size, to see a file that grew meanwhile.
    m_block = BulkBlock(static_cast<std::size_t>(size) + 1);
    qint64 got = 0;
    while (got <= size) {
        const qint64 n = file.read(m_block.data() + got, size + 1 - got);
        if (n <= 0)
            break;
        got += n;
    }
    if (got <= size)
        return QByteArray::fromRawData(m_block.data(), got);
    QByteArray grown(m_block.data(), got);
    m_block = {};
    return grown + file.readAll();
}

void cls_File::load() {
    QFile file(m_url);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw Error(QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden: %2")
                        .arg(m_url, germanCause(file.errorString())));
    QByteArray bytes = readWhole(file);
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2")
                        .arg(m_url, germanCause(file.errorString())));
    if (isSealedFile(bytes)) {
        if (m_password.isEmpty())
            throw Error(QStringLiteral("Die Datei \"%1\" ist verschlüsselt, es wurde aber kein "
                                       "Kennwort angegeben.")
                            .arg(m_url));
        bytes = unsealFile(bytes, m_password, m_url);
    } else if (!m_password.isEmpty()) {
        throw Error(QStringLiteral("Die Datei \"%1\" ist nicht verschlüsselt, es wurde aber ein "
                                   "Kennwort angegeben.")
                        .arg(m_url));
    }
    takeFile(std::move(bytes));
}

// Checks the frame and keeps the bytes; the value lines are checked as they are read, or at
// CLOSEURL.
void cls_File::takeFile(QByteArray bytes) {
    const qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const qsizetype valuesEnd = closingEndLine(QByteArrayView(bytes).sliced(start));
    if (valuesEnd < 0)
        refuse(bytes, start);
    QByteArrayView rest = QByteArrayView(bytes).sliced(start);
    checkHeader(cutLine(rest));
    m_in = std::move(bytes);
    m_cursor = rest.data() - m_in.constData();
    m_valuesEnd = start + valuesEnd;
    m_line = 1;
}

// A file without a closing END line: names the first line that is wrong, or the line the file
// breaks off in.
void cls_File::refuse(QByteArrayView bytes, qsizetype start) const {
    QByteArrayView rest = bytes.sliced(start);
    const bool cutMidLine = !rest.isEmpty() && !rest.endsWith('\n');
    int line = 0;
    bool ended = false;
    while (!rest.isEmpty()) {
        const QByteArrayView text = cutLine(rest);
        ++line;
        if (ended)
            corrupt(line, QStringLiteral("nach END folgen weitere Zeilen"));
        if (line == 1)
            checkHeader(text);
        else if (cutMidLine && rest.isEmpty())
            throw Error(QStringLiteral("Die Datei \"%1\" ist unvollständig: sie bricht mitten in "
                                       "Zeile %2 ab.")
                            .arg(m_url)
                            .arg(line));
        else if (isEndLine(text))
            ended = true;
        else
            LineParser(m_url, line).check(text);
    }
    if (line == 0)
        corrupt(1, QStringLiteral("die Datei ist leer"));
    throw Error(
        QStringLiteral("Die Datei \"%1\" ist unvollständig: die Zeile END fehlt.").arg(m_url));
}

void cls_File::checkUnreadLines() {
    while (m_cursor < m_valuesEnd) {
        const QByteArrayView text = nextLine();
        LineParser(m_url, m_line).check(text);
    }
}

void cls_File::checkHeader(QByteArrayView text) const {
    if (text == kHeader)
        return;
    if (text.startsWith(kHeaderPrefix)) {
        bool ok = false;
        const int version = text.sliced(kHeaderPrefix.size()).toByteArray().toInt(&ok);
        if (ok && version > 1)
            throw Error(QStringLiteral("Die Datei \"%1\" wurde von einer neueren Programmversion "
                                       "geschrieben (Format %2) und kann nicht gelesen werden.")
                            .arg(m_url)
                            .arg(version));
    }
    throw Error(QStringLiteral("Die Datei \"%1\" ist keine Datei dieses Programms: die erste "
                               "Zeile ist nicht \"VLTFILE 1\".")
                    .arg(m_url));
}

void cls_File::corrupt(int line, const QString& cause) const {
    throw Error(QStringLiteral("Die Datei \"%1\" ist beschädigt: Zeile %2: %3.")
                    .arg(m_url)
                    .arg(line)
                    .arg(cause));
}

void cls_File::requireMode(int mode) const {
    if (m_mode == mode)
        return;
    const QString what =
        mode == ID_FileOpen_Input ? QStringLiteral("zum Lesen") : QStringLiteral("zum Schreiben");
    throw Error(QStringLiteral("Die Datei \"%1\" ist nicht %2 geöffnet.").arg(m_url, what));
}

QByteArrayView cls_File::nextLine() {
    requireMode(ID_FileOpen_Input);
    if (m_cursor >= m_valuesEnd)
        throw Error(QStringLiteral("Die Datei \"%1\" ist unvollständig: unerwartetes Dateiende.")
                        .arg(m_url));
    QByteArrayView rest = QByteArrayView(m_in).sliced(m_cursor, m_valuesEnd - m_cursor);
    const QByteArrayView text = cutLine(rest);
    m_cursor = rest.isEmpty() ? m_valuesEnd : rest.data() - m_in.constData();
    ++m_line;
    if (isEndLine(text))
        corrupt(m_line + 1, QStringLiteral("nach END folgen weitere Zeilen"));
    return text;
}

void cls_File::STORE(std::initializer_list<Variant> values) {
    requireMode(ID_FileOpen_Output);
    if (m_hasText)
        throw Error(
            QStringLiteral("In die Datei \"%1\" wurde bereits Text geschrieben.").arg(m_url));
    for (const Variant& value : values)
        if (value.isMissing())
            throw Error(
                QStringLiteral("Ein fehlender Wert kann nicht in \"%1\" gespeichert werden.")
                    .arg(m_url));
    if (m_storedCount == 0)
        m_out.append(kHeader).append('\n');
    for (const Variant& value : values)
        appendValueLine(m_out, value);
    m_storedCount += values.size();
}

namespace {

// The common case, a target of the stored kind, needs no conversion and no message text.
bool assignSameKind(const Variant& value, Variant* target) {
    *target = value;
    return true;
}

bool assignSameKind(const Variant& value, QString* target) {
    if (const QString* stored = value.textIf()) {
        *target = *stored;
        return true;
    }
    return false;
}

bool assignSameKind(const Variant& value, bool* target) {
    if (value.kind() != Variant::Kind::Boolean)
        return false;
    *target = value.toBool();
    return true;
}

bool assignSameKind(const Variant& value, qint32* target) {
    if (value.kind() != Variant::Kind::Long)
        return false;
    *target = value.toLong();
    return true;
}

bool assignSameKind(const Variant&, double*) {
    return false;
}

} // namespace

template <class Target> void cls_File::readValue(QByteArrayView line, Target* target) {
    const LineParser parser(m_url, m_line);
    if constexpr (std::is_same_v<Target, QString>) {
        // A text read into a text target goes straight from the line into the target.
        if (LineParser::isText(line)) {
            *target = parser.text(line);
            return;
        }
    } else if constexpr (std::is_same_v<Target, bool>) {
        if (LineParser::isFlag(line)) {
            *target = parser.flag(line);
            return;
        }
    }
    const Variant value = parser.parse(line);
    if (assignSameKind(value, target))
        return;
    assignConverted(value, target, QStringLiteral("Datei \"%1\", Zeile %2").arg(m_url).arg(m_line));
}

void cls_File::readValue(QByteArrayView line, QStringView* target) {
    if (LineParser::isText(line))
        LineParser(m_url, m_line).textInto(line, m_view);
    else
        readValue(line, &m_view);
    *target = m_view;
}

void cls_File::readValue(QByteArrayView line, RepeatedText target) {
    if (!LineParser::isText(line)) {
        readValue(line, target.text);
        return;
    }
    for (const Repeated& known : m_repeated)
        if (known.line == line) {
            *target.text = known.text;
            return;
        }
    readValue(line, target.text);
    if (m_repeated.size() < kMostRepeated)
        m_repeated.push_back({line, *target.text});
}

void cls_File::READ(std::initializer_list<ReadTarget> targets) {
    for (const ReadTarget& target : targets) {
        const QByteArrayView line = nextLine();
        std::visit([&](auto to) { readValue(line, to); }, target);
    }
}

Variant cls_File::READFNC() {
    const QByteArrayView text = nextLine();
    return LineParser(m_url, m_line).parse(text);
}

void cls_File::WRITETEXT(const QByteArray& bytes) {
    requireMode(ID_FileOpen_Output);
    if (m_storedCount > 0)
        throw Error(
            QStringLiteral("In die Datei \"%1\" wurden bereits Werte geschrieben.").arg(m_url));
    m_out.append(bytes);
    m_hasText = true;
}

void cls_File::CLOSEURL() {
    if (m_mode == ID_FileOpen_Input)
        checkUnreadLines();
    if (m_mode == ID_FileOpen_Output) {
        QByteArray bytes = std::move(m_out);
        if (!m_hasText) {
            if (m_storedCount == 0)
                bytes.append(kHeader).append('\n');
            bytes.append(kEnd).append('\n');
            if (!m_password.isEmpty())
                bytes = sealFile(bytes, m_password);
        }
        writeFileAtomically(m_url, bytes);
    }
    m_mode = 0;
    clearInput();
    m_out.clear();
}

} // namespace vlt
