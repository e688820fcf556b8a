#include "FindingsList.h"

#include <QStyle>

FindingsList::FindingsList(QWidget* parent) : QListWidget(parent) {
    setObjectName(QStringLiteral("lst_Findings"));
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit findingActivated(findingAt(row(item))); });
}

void FindingsList::showFindings(const std::vector<gen::Finding>& findings) {
    m_findings = findings;
    clear();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (const gen::Finding& finding : m_findings)
        addItem(
            new QListWidgetItem(finding.severity == gen::Severity::Error ? errorIcon : warningIcon,
                                gen::describe(finding)));
}

const gen::Finding& FindingsList::findingAt(int row) const {
    return m_findings.at(static_cast<std::size_t>(row));
}
