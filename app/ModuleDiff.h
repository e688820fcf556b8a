#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

class QPlainTextEdit;

// The lines of an old module file against the new text, as a unified diff with three lines
// of context: "-" lines only in the file, "+" lines only in the new text, "@@" hunk heads.
QString unifiedDiff(const QString& oldText, const QString& newText);

// The text of a module file as it was written: Windows-1252.
QString decodeModule(const QByteArray& bytes);

// A window showing the difference between the module file and what "In Datei" would write.
class ModuleDiff : public QWidget {
    Q_OBJECT
public:
    explicit ModuleDiff(QWidget* parent = nullptr);

    void showDiff(const QString& path, const QString& oldText, const QString& newText);
    QString text() const;

private:
    QPlainTextEdit* m_view;
};
