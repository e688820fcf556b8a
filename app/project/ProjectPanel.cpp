#include "ProjectPanel.h"

#include "ProjectEvaluation.h"

#include "controls/SchemeColours.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRowRole = Qt::UserRole;
const QString kChangedWord = QStringLiteral("geändert");

bool needsWriting(proj::State state) {
    return state == proj::State::Stale || state == proj::State::Missing;
}

} // namespace

ProjectPanel::ProjectPanel(ProjectEvaluation& evaluation, QWidget* parent)
    : QWidget(parent), m_evaluation(evaluation), m_summary(new QLabel(this)),
      m_rows(new QTreeWidget(this)), m_problems(new QLabel(this)),
      m_generate(new QPushButton(QStringLiteral("Alle erzeugen"), this)),
      m_import(new QPushButton(QStringLiteral("Vorlage importieren"), this)) {
    setObjectName(QStringLiteral("pnl_Project"));
    m_rows->setObjectName(QStringLiteral("lst_Project"));
    m_rows->setHeaderLabels({QStringLiteral("Klasse"), QStringLiteral("Zustand"),
                             QStringLiteral("Befunde"), QStringLiteral("Modul"),
                             QStringLiteral("Vorlage")});
    m_rows->setRootIsDecorated(false);
    m_rows->setUniformRowHeights(true);
    m_rows->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_summary->setWordWrap(true);
    m_problems->setWordWrap(true);
    m_problems->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_problems->hide();
    m_generate->setToolTip(QStringLiteral("Schreibt jedes veraltete und jedes fehlende Modul neu, "
                                          "aus der gespeicherten Vorlage"));
    m_import->setToolTip(QStringLiteral("Liest die gewählten Module ohne Vorlage in Vorlagen ein "
                                        "und speichert jede neben ihrem Modul"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_generate);
    buttons->addWidget(m_import);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_rows, 1);
    layout->addWidget(m_problems);
    layout->addLayout(buttons);

    connect(&evaluation, &ProjectEvaluation::started, this, &ProjectPanel::clearRows);
    connect(&evaluation, &ProjectEvaluation::projectRead, this, [this] { showProblems(); });
    connect(&evaluation, &ProjectEvaluation::failed, this,
            [this](const QString& message) { showProblems(message); });
    connect(&evaluation, &ProjectEvaluation::rowReady, this, &ProjectPanel::showRow);
    connect(&evaluation, &ProjectEvaluation::finished, this, &ProjectPanel::finish);
    connect(m_rows, &QTreeWidget::itemActivated, this, &ProjectPanel::activate);
    connect(m_rows, &QTreeWidget::itemSelectionChanged, this, &ProjectPanel::updateCommands);
    connect(m_generate, &QPushButton::clicked, this, &ProjectPanel::generateAllRequested);
    connect(m_import, &QPushButton::clicked, this,
            [this] { emit importRequested(selectedModulesWithoutTemplate()); });
    updateCommands();
}

// A new project starts empty; a project evaluated again keeps its rows until the new ones
// replace them, so nothing flickers.
void ProjectPanel::clearRows(bool fresh) {
    if (fresh) {
        m_rows->clear();
        m_problems->hide();
    }
    m_summary->setText(QStringLiteral("%1 – wird geprüft …").arg(m_evaluation.path()));
}

void ProjectPanel::showRow(int index) {
    const proj::ClassModule& row = m_evaluation.rows()[std::size_t(index)];
    QTreeWidgetItem* item = m_rows->topLevelItem(index);
    if (!item)
        item = new QTreeWidgetItem(m_rows);
    item->setData(ClassColumn, kRowRole, index);
    item->setText(ClassColumn, row.className);
    const bool checked = !row.templatePath.isEmpty() && row.state != proj::State::Error;
    item->setText(FindingsColumn, checked ? QString::number(row.findings) : QString());
    item->setTextAlignment(FindingsColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(ModuleColumn, shownPath(row.modulePath));
    item->setToolTip(ModuleColumn, row.modulePath);
    item->setText(TemplateColumn, shownPath(row.templatePath));
    item->setToolTip(TemplateColumn, row.templatePath);
    showState(item, index);
}

void ProjectPanel::showState(QTreeWidgetItem* item, int index) {
    const proj::ClassModule& row = m_evaluation.rows()[std::size_t(index)];
    const bool open = !m_openTemplate.isEmpty() && row.templatePath == m_openTemplate;
    item->setText(StateColumn, open && m_openChanged ? kChangedWord : proj::stateWord(row.state));
    QString tip = row.message;
    if (open)
        tip = QStringLiteral("Im Editor geöffnet") + (tip.isEmpty() ? QString() : "\n" + tip);
    for (int column = 0; column <= TemplateColumn; ++column)
        if (column != ModuleColumn && column != TemplateColumn)
            item->setToolTip(column, tip);
    QFont font = item->font(ClassColumn);
    font.setBold(open);
    item->setFont(ClassColumn, font);
    const QPalette& colours = m_rows->palette();
    QBrush brush;
    if (row.state == proj::State::Error || row.state == proj::State::Conflict)
        brush = scheme::errorText(colours);
    else if (needsWriting(row.state))
        brush = scheme::warningText(colours);
    item->setForeground(StateColumn, brush);
}

void ProjectPanel::finish() {
    while (m_rows->topLevelItemCount() > int(m_evaluation.rows().size()))
        delete m_rows->takeTopLevelItem(m_rows->topLevelItemCount() - 1);
    m_summary->setText(summaryText());
    for (int column : {ClassColumn, StateColumn, FindingsColumn, ModuleColumn})
        m_rows->resizeColumnToContents(column);
    updateCommands();
}

void ProjectPanel::showProblems(const QString& failure) {
    QStringList lines = m_evaluation.project().problems + m_evaluation.project().notes;
    if (!failure.isEmpty())
        lines = QStringList(failure);
    m_problems->setText(lines.join(QLatin1Char('\n')));
    m_problems->setVisible(!lines.isEmpty());
    QPalette palette = m_problems->palette();
    palette.setColor(QPalette::WindowText, scheme::errorText(palette));
    m_problems->setPalette(palette);
    if (!failure.isEmpty())
        m_summary->setText(m_evaluation.path());
}

void ProjectPanel::setOpenTemplate(const QString& path, bool changed) {
    const QString open = path.isEmpty() ? QString() : QDir::cleanPath(path);
    if (open == m_openTemplate && changed == m_openChanged)
        return; // the title follows every keystroke; the rows need not
    m_openTemplate = open;
    m_openChanged = changed;
    for (int i = 0; i < m_rows->topLevelItemCount() && i < int(m_evaluation.rows().size()); ++i)
        showState(m_rows->topLevelItem(i), i);
}

QStringList ProjectPanel::selectedModulesWithoutTemplate() const {
    QStringList modules;
    for (QTreeWidgetItem* item : m_rows->selectedItems()) {
        const int index = item->data(ClassColumn, kRowRole).toInt();
        if (index < int(m_evaluation.rows().size()) &&
            m_evaluation.rows()[std::size_t(index)].state == proj::State::NoTemplate)
            modules.append(m_evaluation.rows()[std::size_t(index)].modulePath);
    }
    return modules;
}

// A row with a template opens it; a module without one is offered for import.
void ProjectPanel::activate(QTreeWidgetItem* item) {
    const int index = item->data(ClassColumn, kRowRole).toInt();
    if (index >= int(m_evaluation.rows().size()))
        return;
    const proj::ClassModule& row = m_evaluation.rows()[std::size_t(index)];
    if (!row.templatePath.isEmpty())
        emit templateActivated(row.templatePath);
    else if (row.state == proj::State::NoTemplate)
        emit importRequested({row.modulePath});
}

void ProjectPanel::updateCommands() {
    bool anyToWrite = false;
    for (const proj::ClassModule& row : m_evaluation.rows())
        anyToWrite = anyToWrite || needsWriting(row.state);
    m_generate->setEnabled(anyToWrite);
    m_import->setEnabled(!selectedModulesWithoutTemplate().isEmpty());
}

// "Projekt.vbp: 9 Klassen – 1 aktuell, 2 veraltet, …", the states in their own order.
QString ProjectPanel::summaryText() const {
    QMap<int, int> counts;
    for (const proj::ClassModule& row : m_evaluation.rows())
        ++counts[int(row.state)];
    QStringList parts;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        parts.append(
            QStringLiteral("%1 %2").arg(it.value()).arg(proj::stateWord(proj::State(it.key()))));
    const int total = int(m_evaluation.rows().size());
    return QStringLiteral("%1: %2 %3%4")
        .arg(QDir::toNativeSeparators(m_evaluation.path()))
        .arg(total)
        .arg(total == 1 ? QStringLiteral("Zeile") : QStringLiteral("Zeilen"))
        .arg(parts.isEmpty() ? QString()
                             : QStringLiteral(" – ") + parts.join(QStringLiteral(", ")));
}

QString ProjectPanel::shownPath(const QString& path) const {
    return path.isEmpty() ? QStringLiteral("–")
                          : QDir::toNativeSeparators(proj::shownPath(m_evaluation.project(), path));
}
