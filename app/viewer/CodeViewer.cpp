#include "CodeViewer.h"

#include "VbHighlighter.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

CodeViewer::CodeViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), m_editor(new QPlainTextEdit(this)), m_find(new QLineEdit(this)),
      m_findState(new QLabel(this)) {
    m_highlighter = new VbHighlighter(m_editor->document(), palette());
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
    m_findState->setObjectName(QStringLiteral("lbl_FindState"));
    auto* findRow = new QWidget(this);
    findRow->setObjectName(QStringLiteral("pnl_Find"));
    auto* findLayout = new QHBoxLayout(findRow);
    findLayout->setContentsMargins(0, 0, 0, 0);
    findLayout->addWidget(m_find, 1);
    findLayout->addWidget(m_findState);
    findRow->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor);
    layout->addWidget(findRow);
    connect(m_find, &QLineEdit::returnPressed, this, &CodeViewer::findNext);
    new QShortcut(QKeySequence::Find, this, this, [this, findRow] {
        findRow->show();
        m_find->setFocus();
        m_find->selectAll();
    });
    connect(m_find, &QLineEdit::textEdited, m_findState, &QLabel::clear);
    new QShortcut(QKeySequence::FindNext, this, this, &CodeViewer::findNext);
    new QShortcut(Qt::Key_Escape, this, this, [this, findRow] {
        if (m_find->hasFocus())
            findRow->hide(); // the focus goes on to the code
        else
            close();
    });
}

void CodeViewer::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        m_highlighter->usePalette(palette());
    QWidget::changeEvent(event);
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

// From the cursor on, wrapping round to the top once; the line beside the field says when it
// wrapped or found nothing.
void CodeViewer::findNext() {
    const QString wanted = m_find->text();
    m_findState->clear();
    if (wanted.isEmpty())
        return;
    if (m_editor->find(wanted))
        return;
    const QTextCursor kept = m_editor->textCursor();
    m_editor->moveCursor(QTextCursor::Start);
    if (m_editor->find(wanted)) {
        m_findState->setText(QStringLiteral("Vom Anfang an weitergesucht"));
        return;
    }
    m_editor->setTextCursor(kept);
    m_findState->setText(QStringLiteral("„%1“ nicht gefunden").arg(wanted));
}

QString CodeViewer::findState() const {
    return m_findState->text();
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
