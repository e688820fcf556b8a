#include "CodeViewer.h"

#include "VbHighlighter.h"

#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

CodeViewer::CodeViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), m_editor(new QPlainTextEdit(this)), m_find(new QLineEdit(this)) {
    new VbHighlighter(m_editor->document(), palette());
    setObjectName(QStringLiteral("frm_Viewer"));
    m_editor->setObjectName(QStringLiteral("txt_Module"));
    m_editor->setReadOnly(true);
    // Keyboard selection gives the reader a cursor: Ctrl+Home/End, Page Up/Down, Shift+arrows.
    m_editor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editor->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_find->setObjectName(QStringLiteral("txt_Find"));
    m_find->setPlaceholderText(QStringLiteral("Suchen (Eingabe: nächste Stelle)"));
    m_find->setClearButtonEnabled(true);
    m_find->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor);
    layout->addWidget(m_find);
    connect(m_find, &QLineEdit::returnPressed, this, &CodeViewer::findNext);
    new QShortcut(QKeySequence::Find, this, this, [this] {
        m_find->show();
        m_find->setFocus();
        m_find->selectAll();
    });
    new QShortcut(QKeySequence::FindNext, this, this, &CodeViewer::findNext);
    new QShortcut(Qt::Key_Escape, this, this, [this] {
        if (m_find->hasFocus())
            m_find->hide();
        else
            close();
    });
}

void CodeViewer::showModule(const QString& caption, const QString& text) {
    setWindowTitle(caption);
    // The module's lines end in CR LF; the editor wants plain line feeds.
    m_editor->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (!isVisible())
        placeBesideParent();
    show();
    raise();
    activateWindow();
    m_editor->setFocus();
}

QString CodeViewer::text() const {
    return m_editor->toPlainText();
}

// From the cursor on, wrapping round to the top once.
void CodeViewer::findNext() {
    const QString wanted = m_find->text();
    if (wanted.isEmpty())
        return;
    if (m_editor->find(wanted))
        return;
    m_editor->moveCursor(QTextCursor::Start);
    m_editor->find(wanted);
}

// To the right of the main window where the screen has room, else to its left; never
// larger than the screen.
void CodeViewer::placeBesideParent() {
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner ? owner->screen() : this->screen();
    const QRect available = screen->availableGeometry();
    resize(QSize(900, 700).boundedTo(available.size() * 0.9));
    if (!owner)
        return;
    const QRect frame = owner->frameGeometry();
    int left = frame.right() + 1;
    if (left + width() > available.right())
        left = qMax(available.left(), frame.left() - width());
    move(left, qBound(available.top(), frame.top(), available.bottom() - height()));
}
