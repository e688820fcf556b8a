#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QStackedWidget;

// An old module text against a new one, unified or side by side with the lines of both
// aligned: removed lines red, added lines green. The choice is remembered.
class DiffView : public QWidget {
    Q_OBJECT
public:
    explicit DiffView(QWidget* parent = nullptr);

    void showTexts(const QString& oldText, const QString& newText);
    // The unified diff, whichever form is shown.
    QString text() const;
    // How many lines differ, or that none do.
    QString summary() const;

private:
    void showSideBySide(bool sideBySide);
    void centreFirstChange();

    QCheckBox* m_sideBySide;
    QLabel* m_summary;
    QStackedWidget* m_pages;
    QPlainTextEdit* m_unified;
    QPlainTextEdit* m_old;
    QPlainTextEdit* m_new;
};

// A window showing the difference between the module file and what "In Datei" would write.
// Escape and Ctrl+W close it.
class ModuleDiff : public QWidget {
    Q_OBJECT
public:
    explicit ModuleDiff(QWidget* parent = nullptr);

    void showDiff(const QString& path, const QString& oldText, const QString& newText);
    QString text() const;
    DiffView* view() const { return m_view; }

private:
    DiffView* m_view;
};
