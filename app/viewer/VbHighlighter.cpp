#include "VbHighlighter.h"

#include "controls/SchemeColours.h"

#include <QPalette>
#include <QStringList>

namespace {

const QStringList kKeywords = {
    "And",        "As",      "Attribute", "Begin",   "Boolean",    "ByRef",  "ByVal",      "Call",
    "Case",       "Const",   "Date",      "Dim",     "Do",         "Double", "Each",       "Else",
    "ElseIf",     "End",     "Enum",      "Error",   "Event",      "Exit",   "Explicit",   "False",
    "For",        "Friend",  "Function",  "Get",     "GoTo",       "If",     "Implements", "In",
    "Integer",    "Is",      "Let",       "Long",    "Loop",       "Me",     "Mod",        "New",
    "Next",       "Not",     "Nothing",   "Object",  "On",         "Option", "Optional",   "Or",
    "Preserve",   "Private", "Property",  "Public",  "RaiseEvent", "ReDim",  "Resume",     "Select",
    "Set",        "Single",  "Static",    "Step",    "String",     "Sub",    "Then",       "To",
    "True",       "Type",    "Until",     "Variant", "Version",    "Wend",   "While",      "With",
    "WithEvents", "Xor"};

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

VbHighlighter::VbHighlighter(QTextDocument* document, const QPalette& palette)
    : QSyntaxHighlighter(document) {
    for (const QString& keyword : kKeywords)
        m_keywords.insert(keyword.toUpper());
    m_keywordFormat.setFontWeight(QFont::Bold);
    m_commentFormat.setFontItalic(true);
    usePalette(palette);
}

void VbHighlighter::usePalette(const QPalette& palette) {
    m_keywordFormat.setForeground(scheme::keyword(palette));
    m_commentFormat.setForeground(scheme::comment(palette));
    m_stringFormat.setForeground(scheme::string(palette));
    rehighlight();
}

// One pass from left to right, so an apostrophe inside a string is no comment and a quote
// inside a comment opens no string.
void VbHighlighter::highlightBlock(const QString& text) {
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\'')) {
            setFormat(int(i), int(text.size() - i), m_commentFormat);
            return;
        }
        if (c == QLatin1Char('"'))
            i = highlightString(text, i);
        else if (c.isLetter() || c == QLatin1Char('_'))
            i = highlightWord(text, i);
        else
            ++i;
    }
}

// A doubled quote inside a string stands for one quote; a string ends at its line's end.
qsizetype VbHighlighter::highlightString(const QString& text, qsizetype start) {
    qsizetype i = start + 1;
    while (i < text.size()) {
        if (text.at(i) == QLatin1Char('"')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        ++i;
    }
    setFormat(int(start), int(i - start), m_stringFormat);
    return i;
}

qsizetype VbHighlighter::highlightWord(const QString& text, qsizetype start) {
    qsizetype i = start;
    while (i < text.size() && isWordChar(text.at(i)))
        ++i;
    const QString word = text.mid(start, i - start);
    if (word.compare(QLatin1String("Rem"), Qt::CaseInsensitive) == 0) {
        setFormat(int(start), int(text.size() - start), m_commentFormat);
        return text.size();
    }
    if (m_keywords.contains(word.toUpper()))
        setFormat(int(start), int(i - start), m_keywordFormat);
    return i;
}
