#pragma once

#include <QPlainTextEdit>

// The custom code box. Like the host's multi-line text box it holds CR LF line breaks: it
// shows CR LF, a lone CR and a lone LF each as one line break and hands every line break
// over as CR LF. Text the user has not touched is handed back exactly as it was shown, so a
// template opened and saved unchanged keeps every byte.
// Tab moves the focus on, as in the host's box; Ctrl+Tab inserts a tab.
class CustomCodeEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CustomCodeEdit(QWidget* parent = nullptr);

    void setHostText(const QString& text);
    QString hostText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString editorText() const;

    QString m_shownText;  // as the template held it
    QString m_shownLines; // as the editor showed it
};
