#pragma once

#include "generator/Checks.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class FindingsList;
class ModuleDiff;
class VbHighlighter;
class cls_Class;

// The module as "In Datei" would write it, the findings of the checks under it, and whether
// the template's module file still matches. Edits are coalesced: the pane regenerates once
// the user pauses.
class PreviewPane : public QWidget {
    Q_OBJECT
public:
    // Hands out the template as the window shows it, right now.
    using Source = std::function<cls_Class&()>;
    // The module file a template's COMPILED names: a relative one counts from the template's
    // folder.
    using Target = std::function<QString(const cls_Class&)>;

    PreviewPane(Source source, Target target, QWidget* parent = nullptr);

    // Regenerates after a short pause; calls in between are merged into one refresh.
    void scheduleRefresh();
    void refreshNow();

    QString moduleText() const { return m_moduleText; }
    const std::vector<gen::Finding>& findings() const { return m_findings; }
    FindingsList* findingsList() const { return m_findingsList; }
    QPlainTextEdit* codeView() const { return m_code; }
    QLabel* fileState() const { return m_fileState; }
    // The diff window of the last "Unterschiede", or null.
    ModuleDiff* diffView() const;

signals:
    void findingActivated(const gen::Finding& finding);
    void refreshed();

protected:
    // A new colour scheme recolours the module.
    void changeEvent(QEvent* event) override;

private:
    void showModuleText(const QString& text);
    void showFileState(const cls_Class& tpl);
    void showDiff();

    Source m_source;
    Target m_target;
    QPlainTextEdit* m_code;
    VbHighlighter* m_highlighter;
    FindingsList* m_findingsList;
    QLabel* m_fileState;
    QPushButton* m_diffButton;
    QPointer<ModuleDiff> m_diff;
    QTimer m_timer;
    QString m_moduleText;
    QString m_compiledPath;
    std::vector<gen::Finding> m_findings;
};
