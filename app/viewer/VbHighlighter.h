#pragma once

#include <QSet>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

// Visual Basic colouring for the module viewer: keywords, 'comments and "strings".
class VbHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    // The colours follow the palette, so the text stays readable with a dark theme.
    VbHighlighter(QTextDocument* document, const QPalette& palette);
    // After the colour scheme changed.
    void usePalette(const QPalette& palette);

protected:
    void highlightBlock(const QString& text) override;

private:
    qsizetype highlightString(const QString& text, qsizetype start);
    qsizetype highlightWord(const QString& text, qsizetype start);

    QSet<QString> m_keywords; // upper case: Visual Basic ignores case
    QTextCharFormat m_keywordFormat;
    QTextCharFormat m_commentFormat;
    QTextCharFormat m_stringFormat;
};
