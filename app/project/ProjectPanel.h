#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class ProjectEvaluation;

// The open project's class modules: one row each with its class, state, findings, module and
// template, filled in as the evaluation comes to them, and the commands on them.
class ProjectPanel : public QWidget {
    Q_OBJECT
public:
    enum Column { ClassColumn, StateColumn, FindingsColumn, ModuleColumn, TemplateColumn };

    explicit ProjectPanel(ProjectEvaluation& evaluation, QWidget* parent = nullptr);

    // The template open in the editor: its row says "geändert" while it has unsaved edits.
    void setOpenTemplate(const QString& path, bool changed);
    // The modules of the selected rows that have no template.
    QStringList selectedModulesWithoutTemplate() const;

    QTreeWidget* rows() const { return m_rows; }
    QLabel* summary() const { return m_summary; }
    QLabel* problems() const { return m_problems; }
    QPushButton* generateButton() const { return m_generate; }
    QPushButton* importButton() const { return m_import; }

signals:
    void templateActivated(const QString& path);
    void generateAllRequested();
    void importRequested(const QStringList& modules);

private:
    void clearRows(bool fresh);
    void showRow(int index);
    void showState(QTreeWidgetItem* item, int index);
    void finish();
    void showProblems(const QString& failure = QString());
    void activate(QTreeWidgetItem* item);
    void updateCommands();
    QString summaryText() const;
    QString shownPath(const QString& path) const;

    ProjectEvaluation& m_evaluation;
    QLabel* m_summary;
    QTreeWidget* m_rows;
    QLabel* m_problems;
    QPushButton* m_generate;
    QPushButton* m_import;
    QString m_openTemplate;
    bool m_openChanged = false;
};
