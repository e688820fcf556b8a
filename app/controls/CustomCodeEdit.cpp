#include "CustomCodeEdit.h"

#include <QKeyEvent>
#include <QTextDocument>

CustomCodeEdit::CustomCodeEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
}

void CustomCodeEdit::setHostText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(lines);
    m_shownText = text;
    m_shownLines = editorText();
}

QString CustomCodeEdit::hostText() const {
    const QString lines = editorText();
    if (lines == m_shownLines)
        return m_shownText;
    return QString(lines).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// The document's raw text keeps every character as typed (toPlainText() would turn
// non-breaking spaces into blanks); only its paragraph separators are line breaks.
QString CustomCodeEdit::editorText() const {
    return document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void CustomCodeEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Tab && event->modifiers() == Qt::ControlModifier) {
        insertPlainText(QStringLiteral("\t"));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
