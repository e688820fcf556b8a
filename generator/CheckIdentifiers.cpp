// Identifier rules: what VB6 accepts as the name of a class, a variable or a type.
#include "CheckRules.h"
#include "Generator.h"
#include "ModuleOutput.h"
#include "VbNames.h"

#include "corelib/HostText.h"

#include <algorithm>

namespace gen::checks {
namespace {

constexpr qsizetype kLongestName = 255;

// How a character that may not stand in a name is called in a message.
QString characterName(QChar character) {
    switch (character.unicode()) {
    case u' ':
        return QStringLiteral("ein Leerzeichen");
    case u'\t':
        return QStringLiteral("einen Tabulator");
    case 0x00A0:
        return QStringLiteral("ein geschütztes Leerzeichen");
    case u'\r':
    case u'\n':
        return QStringLiteral("einen Zeilenumbruch");
    case u'"':
        return QStringLiteral("ein Anführungszeichen");
    case u'\'':
        return QStringLiteral("einen Apostroph");
    default:
        return QStringLiteral("das Zeichen \"%1\" (U+%2)")
            .arg(character)
            .arg(QString::number(character.unicode(), 16).toUpper().rightJustified(4, u'0'));
    }
}

bool isAsciiDigit(QChar character) {
    return character >= u'0' && character <= u'9';
}

constexpr qsizetype kControlPrefix = 4; // "txt_", "lst_", "opt_", "dat_"

bool isType(IdentifierKind kind) {
    return kind != IdentifierKind::Name;
}

// Letters count as far as Windows-1252 holds them: VB6 reads the module in that code page.
bool isNameCharacter(QChar character, IdentifierKind kind) {
    return character.isLetter() || isAsciiDigit(character) || character == u'_' ||
           (isType(kind) && character == u'.');
}

// "Bibliothek.Klasse": a name on each side of every period.
void checkDottedName(const Report& report, QStringView trimmed) {
    if (!trimmed.contains(u'.'))
        return;
    if (trimmed.startsWith(u'.') || trimmed.endsWith(u'.') || trimmed.contains(u".."))
        report.error(QStringLiteral("\"%1\" ist kein gültiger Name: vor und nach jedem Punkt "
                                    "muss ein Name stehen")
                         .arg(trimmed.toString()));
}

// After "As", tabs in front of the type are blanks: legal, but hardly meant.
QStringView withoutLeadingTabs(const Report& report, QStringView trimmed) {
    if (!trimmed.startsWith(u'\t'))
        return trimmed;
    report.warning(QStringLiteral("beginnt mit einem Tabulator"));
    while (!trimmed.isEmpty() && (trimmed.front() == u'\t' || trimmed.front() == u' '))
        trimmed = trimmed.sliced(1);
    return trimmed;
}

void checkOuterBlanks(const Report& report, QStringView text, QStringView trimmed) {
    if (trimmed.size() != text.size())
        report.warning(QStringLiteral("beginnt oder endet mit einem Leerzeichen"));
}

void checkFirstCharacter(const Report& report, QStringView trimmed) {
    if (isAsciiDigit(trimmed.front()) || trimmed.front() == u'_')
        report.error(QStringLiteral("beginnt nicht mit einem Buchstaben"));
}

// Each kind of wrong character once; characters outside Windows-1252 have their own rule.
void checkCharacters(const Report& report, QStringView trimmed, IdentifierKind kind,
                     const QString& unencodable) {
    QString reported;
    for (const QChar character : trimmed) {
        if (isNameCharacter(character, kind) || unencodable.contains(character) ||
            character.isSurrogate() || reported.contains(character))
            continue;
        const QString name = characterName(character);
        if (character == u'\r' || character == u'\n')
            reported.append(QStringLiteral("\r\n"));
        reported.append(character);
        report.error(QStringLiteral("enthält %1").arg(name));
    }
}

void checkReservedWord(const Report& report, QStringView trimmed, IdentifierKind kind,
                       quint32 upperHash) {
    if (isType(kind) && isIntrinsicType(trimmed))
        return;
    if (isReservedWord(trimmed, upperHash))
        report.error(QStringLiteral("\"%1\" ist ein reserviertes Wort von Visual Basic")
                         .arg(trimmed.toString()));
}

bool isAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar character) { return character < u'\x80'; });
}

// Windows-1252 holds every ASCII character, and upper- or lower-casing keeps ASCII ASCII, so
// most names need no encoding to find out.
QString unencodableOf(const QString& text) {
    return isAscii(text) ? QString() : encodeModule(text).replaced;
}

} // namespace

void checkIdentifier(const Report& report, const QString& text, IdentifierKind kind) {
    checkIdentifier(report, text, kind, vlt::upperHash(vlt::trimBlanks(text)));
}

void checkIdentifier(const Report& report, const QString& text, IdentifierKind kind,
                     quint32 trimmedHash) {
    const QStringView withoutBlanks = vlt::trimBlanks(text);
    const QStringView trimmed = kind == IdentifierKind::PlainType
                                    ? withoutLeadingTabs(report, withoutBlanks)
                                    : withoutBlanks;
    if (trimmed.isEmpty()) {
        report.error(QStringLiteral("ist leer"));
        return;
    }
    const QString unencodable = unencodableOf(text);
    checkOuterBlanks(report, text, withoutBlanks);
    checkFirstCharacter(report, trimmed);
    checkCharacters(report, trimmed, kind, unencodable);
    if (!unencodable.isEmpty())
        report.error(unencodableMessage(unencodable));
    if (trimmed.size() > kLongestName)
        report.error(
            QStringLiteral("ist länger als %1 Zeichen (%2)").arg(kLongestName).arg(trimmed.size()));
    if (isType(kind))
        checkDottedName(report, trimmed);
    checkReservedWord(report, trimmed, kind,
                      kind == IdentifierKind::PlainType ? vlt::upperHash(trimmed) : trimmedHash);
}

// The control name is spelled from the whole name; upper-casing its first letter can make a
// character Windows-1252 lacks ("µ" becomes Greek capital Mu), and the prefix makes it longer.
void checkControlName(const Report& report, const cls_Member& member, const TypeFacts& type,
                      const Switches& switches) {
    if (!switches.editor || member.MARRAY || !type.valueType || vlt::isBlank(member.MNAME))
        return;
    // The spelling changes case only, so it is as long as the name.
    const qsizetype nameLength = vlt::trimBlanks(member.MNAME).size();
    if (nameLength <= kLongestName && kControlPrefix + nameLength > kLongestName)
        report.error(QStringLiteral("ergibt im Editor einen Steuerelementnamen mit %1 Zeichen "
                                    "(Vorsilbe und Name); VB6 erlaubt höchstens %2")
                         .arg(kControlPrefix + nameLength)
                         .arg(kLongestName));
    if (isAscii(member.MNAME) || !unencodableOf(member.MNAME).isEmpty())
        return;
    const QString controlName = hName(member.MNAME);
    const QString unencodable = unencodableOf(controlName);
    if (!unencodable.isEmpty())
        report.error(QStringLiteral("ergibt im Editor den Steuerelementnamen \"…_%1\"; er ")
                         .arg(controlName) +
                     unencodableMessage(unencodable));
}

} // namespace gen::checks
