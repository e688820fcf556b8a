#include "CodeViewer.h"

#include "VbHighlighter.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CodeViewer::CodeViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), m_editor(new QPlainTextEdit(this)) {
    new VbHighlighter(m_editor->document());
    setObjectName(QStringLiteral("frm_Viewer"));
    m_editor->setObjectName(QStringLiteral("txt_Module"));
    m_editor->setReadOnly(true);
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* vLayout = new QVBoxLayout(this);
    vLayout->setContentsMargins(0, 0, 0, 0);
    vLayout->addWidget(m_editor);
    resize(900, 700);
}

void CodeViewer::showModule(const QString& caption, const QString& text) {
    setWindowTitle(caption);
    // The module's lines end in CR LF; the editor wants plain line feeds.
    m_editor->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    show();
    raise();
    activateWindow();
}

QString CodeViewer::text() const {
    return m_editor->toPlainText();
}
