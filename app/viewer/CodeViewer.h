#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class VbHighlighter;

// The program's own window for looking at a generated module: read-only, monospace,
// coloured as Visual Basic. It does not block the main window. Escape closes it, Ctrl+F
// finds text.
class CodeViewer : public QWidget {
    Q_OBJECT
public:
    explicit CodeViewer(QWidget* parent = nullptr);

    void showModule(const QString& caption, const QString& text);
    QString text() const;
    // What the last search says beside the field: that it wrapped round, or found nothing.
    QString findState() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void findNext();
    void placeBesideParent();

    QPlainTextEdit* m_editor;
    VbHighlighter* m_highlighter;
    QLineEdit* m_find;
    QLabel* m_findState;
};
