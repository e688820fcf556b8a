#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

// The program's own window for looking at a generated module: read-only, monospace,
// coloured as Visual Basic. It does not block the main window. Escape closes it, Ctrl+F
// finds text.
class CodeViewer : public QWidget {
    Q_OBJECT
public:
    explicit CodeViewer(QWidget* parent = nullptr);

    void showModule(const QString& caption, const QString& text);
    QString text() const;

private:
    void findNext();
    void placeBesideParent();

    QPlainTextEdit* m_editor;
    QLineEdit* m_find;
};
