#pragma once

#include "generator/Checks.h"

#include <QListWidget>

// The findings of the checks, one line each; activating one (double-click, Enter) asks the
// window to show the field it is about.
class FindingsList : public QListWidget {
    Q_OBJECT
public:
    explicit FindingsList(QWidget* parent = nullptr);

    void showFindings(const std::vector<gen::Finding>& findings);
    const gen::Finding& findingAt(int row) const;

signals:
    void findingActivated(const gen::Finding& finding);

private:
    std::vector<gen::Finding> m_findings;
};
