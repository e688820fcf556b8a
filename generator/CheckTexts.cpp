// Text rules: what the code page holds, and line breaks that would turn a comment into code.
#include "CheckRules.h"
#include "ModuleOutput.h"

#include "corelib/HostText.h"

#include <QStringList>

namespace gen::checks {
namespace {

bool hasLineBreak(QStringView text) {
    return text.contains(u'\r') || text.contains(u'\n');
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

void checkOneLineText(const Report& report, const QString& text) {
    if (hasLineBreak(text))
        report.error(QStringLiteral("enthält einen Zeilenumbruch; was danach steht, wird im "
                                    "Modul zu Code"));
}

// Blank-only custom code is not written at all.
void checkCustomCode(const Report& report, const QString& text) {
    if (!vlt::isBlank(text) && hasLoneLineBreak(text))
        report.error(QStringLiteral("enthält einen Zeilenumbruch ohne CR LF (ein einzelnes "
                                    "CR oder LF); VB6 braucht CR LF"));
}

} // namespace gen::checks
