// Text rules: what the code page holds, and line breaks that would turn a comment into code.
#include "CheckRules.h"
#include "ModuleOutput.h"

#include "corelib/HostText.h"

#include <QStringList>

namespace gen::checks {
namespace {

bool isLineBreak(QChar character) {
    return character == u'\r' || character == u'\n';
}

bool hasLineBreak(QStringView text) {
    return text.contains(u'\r') || text.contains(u'\n');
}

// Whether something other than blanks follows a line break: that part becomes code.
bool hasCodeAfterLineBreak(QStringView text) {
    bool afterBreak = false;
    for (const QChar character : text) {
        if (isLineBreak(character))
            afterBreak = true;
        else if (afterBreak && character != u' ')
            return true;
    }
    return false;
}

// The custom code's lines, split at CR LF and at lone CR or LF alike.
QList<QStringView> codeLines(QStringView text) {
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isLineBreak(text[i]))
            continue;
        lines.append(text.sliced(start, i - start));
        if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    return lines;
}

QStringView firstWord(QStringView line) {
    const qsizetype end = line.indexOf(u' ');
    return end < 0 ? line : line.first(end);
}

bool startsWithWords(QStringView line, std::initializer_list<QLatin1StringView> words) {
    for (const QLatin1StringView word : words)
        if (firstWord(line).compare(word, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// "Private Sub", "Public Function", "Property Get", "Static Sub" ...: a procedure starts.
bool startsProcedure(QStringView line) {
    while (startsWithWords(line, {QLatin1StringView("Public"), QLatin1StringView("Private"),
                                  QLatin1StringView("Friend"), QLatin1StringView("Static")}))
        line = line.sliced(firstWord(line).size()).trimmed();
    return startsWithWords(line, {QLatin1StringView("Sub"), QLatin1StringView("Function"),
                                  QLatin1StringView("Property")});
}

bool endsBlock(QStringView line, QLatin1StringView kind) {
    return startsWithWords(line, {QLatin1StringView("End")}) &&
           line.sliced(3).trimmed().startsWith(kind, Qt::CaseInsensitive);
}

// A line outside a procedure that declares something; VB6 wants those before the first
// procedure, and custom code stands after the generated ones.
bool isDeclaration(QStringView line) {
    return startsWithWords(line, {QLatin1StringView("Dim"), QLatin1StringView("Const"),
                                  QLatin1StringView("Declare"), QLatin1StringView("Type"),
                                  QLatin1StringView("Enum"), QLatin1StringView("Public"),
                                  QLatin1StringView("Private"), QLatin1StringView("Friend"),
                                  QLatin1StringView("Global"), QLatin1StringView("Event"),
                                  QLatin1StringView("Implements"), QLatin1StringView("Option")});
}

bool isIndentedWithNoBreakSpace(QStringView line) {
    for (const QChar character : line) {
        if (character == u'\u00A0')
            return true;
        if (character != u' ' && character != u'\t')
            return false;
    }
    return false;
}

// Walks the custom code's lines, tracking procedures and Type/Enum blocks.
void checkCodeLines(const Report& report, QStringView text) {
    bool inProcedure = false;
    bool inBlock = false;
    const QList<QStringView> lines = codeLines(text);
    for (qsizetype number = 1; number <= lines.size(); ++number) {
        const QStringView raw = lines[number - 1];
        if (isIndentedWithNoBreakSpace(raw))
            report.warning(QStringLiteral("ist in Zeile %1 mit geschützten Leerzeichen "
                                          "eingerückt; VB6 meldet dort \"Ungültiges Zeichen\"")
                               .arg(number));
        const QStringView line = raw.trimmed();
        if (inProcedure) {
            inProcedure = !(endsBlock(line, QLatin1StringView("Sub")) ||
                            endsBlock(line, QLatin1StringView("Function")) ||
                            endsBlock(line, QLatin1StringView("Property")));
        } else if (inBlock) {
            inBlock = !(endsBlock(line, QLatin1StringView("Type")) ||
                        endsBlock(line, QLatin1StringView("Enum")));
        } else if (startsProcedure(line)) {
            inProcedure = true;
        } else if (isDeclaration(line)) {
            report.warning(QStringLiteral("deklariert in Zeile %1 außerhalb einer Prozedur "
                                          "(\"%2\"); der eigene Code steht hinter den Prozeduren "
                                          "des Moduls, wo VB6 keine Deklarationen erlaubt")
                               .arg(number)
                               .arg(line.toString()));
            const QStringView rest = line.sliced(firstWord(line).size()).trimmed();
            inBlock =
                startsWithWords(line, {QLatin1StringView("Type"), QLatin1StringView("Enum")}) ||
                startsWithWords(rest, {QLatin1StringView("Type"), QLatin1StringView("Enum")});
        }
    }
}

// A CR not followed by LF, or an LF not preceded by CR.
bool hasLoneLineBreak(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool crAlone = text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n');
        const bool lfAlone = text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r');
        if (crAlone || lfAlone)
            return true;
    }
    return false;
}

} // namespace

QString unencodableMessage(const QString& unencodable) {
    QStringList characters;
    for (qsizetype i = 0; i < unencodable.size(); ++i) {
        const bool pair = unencodable[i].isHighSurrogate() && i + 1 < unencodable.size();
        const char32_t codePoint = pair ? QChar::surrogateToUcs4(unencodable[i], unencodable[i + 1])
                                        : unencodable[i].unicode();
        characters.append(
            QStringLiteral("\"%1\" (U+%2)")
                .arg(unencodable.mid(i, pair ? 2 : 1),
                     QString::number(codePoint, 16).toUpper().rightJustified(4, u'0')));
        if (pair)
            ++i;
    }
    return QStringLiteral("enthält Zeichen, die Windows-1252 nicht darstellen kann; sie werden "
                          "als \"?\" geschrieben: %1")
        .arg(characters.join(QStringLiteral(", ")));
}

void checkEncodable(const Report& report, const QString& text) {
    const QString unencodable = encodeModule(text).replaced;
    if (!unencodable.isEmpty())
        report.warning(unencodableMessage(unencodable));
}

// Only blanks after a break give an empty or blank line in the banner, which VB6 takes.
void checkOneLineText(const Report& report, const QString& text) {
    if (hasCodeAfterLineBreak(text))
        report.error(QStringLiteral("enthält einen Zeilenumbruch; was danach steht, wird im "
                                    "Modul zu Code"));
    else if (hasLineBreak(text))
        report.warning(QStringLiteral("enthält einen Zeilenumbruch, nach dem nur Leerzeichen "
                                      "stehen; im Modul wird daraus eine leere Zeile"));
}

// Blank-only custom code is not written at all.
void checkCustomCode(const Report& report, const QString& text) {
    if (vlt::isBlank(text))
        return;
    if (hasLoneLineBreak(text))
        report.error(QStringLiteral("enthält einen Zeilenumbruch ohne CR LF (ein einzelnes "
                                    "CR oder LF); VB6 braucht CR LF"));
    checkCodeLines(report, text);
}

} // namespace gen::checks
