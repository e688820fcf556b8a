// frm_Main: the module preview beside the form, and the fields its findings mark.
#include "frm_Main.h"

#include "controls/CustomCodeEdit.h"
#include "controls/SchemeColours.h"
#include "preview/FindingsList.h"
#include "preview/PreviewPane.h"

#include "document/AppState.h"

#include "generator/ModuleOutput.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTreeWidget>

namespace {

const QString kVisibleKey = QStringLiteral("preview/visible");
const QString kSplitterKey = QStringLiteral("preview/splitter");

// A red frame for errors, an orange one for warnings; the tooltip lists the findings.
void markWidget(QWidget* widget, const QStringList& lines, bool anyError) {
    const QColor colour =
        anyError ? scheme::errorText(widget->palette()) : scheme::warningText(widget->palette());
    widget->setStyleSheet(
        lines.isEmpty()
            ? QString()
            : QStringLiteral("%1 { border: 2px solid %2; }")
                  .arg(QLatin1String(widget->metaObject()->className()), colour.name()));
    widget->setToolTip(lines.join(u'\n'));
}

// Until the user chooses, the preview shows only where the screen has room for it beside the
// form; on a narrow or strongly scaled screen the form would be cut off.
bool roomForPreview(const QWidget* form) {
    constexpr int kUsefulPreviewWidth = 300;
    return form->screen()->availableGeometry().width() * 9 / 10 >=
           form->minimumSizeHint().width() + kUsefulPreviewWidth;
}

} // namespace

void frm_Main::createPreview() {
    m_preview = new PreviewPane(
        [this]() -> cls_Class& {
            takeOver();
            return *app.currentTemplate;
        },
        [this](const cls_Class& tpl) {
            return tpl.COMPILED.isEmpty()
                       ? QString()
                       : gen::moduleTarget(tpl.COMPILED, app.currentTemplatePath);
        },
        this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("spl_Preview"));
    QWidget* form = takeCentralWidget();
    const bool room = roomForPreview(form);
    splitter->addWidget(form);
    splitter->addWidget(m_preview);
    setCentralWidget(splitter);
    // The form keeps the larger part: its member list needs the width.
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({600, 400});
    QSettings settings;
    splitter->restoreState(settings.value(kSplitterKey).toByteArray());
    m_preview->setVisible(settings.value(kVisibleKey, room).toBool());
    connect(splitter, &QSplitter::splitterMoved, this,
            [splitter] { QSettings().setValue(kSplitterKey, splitter->saveState()); });

    auto* toggle = new QAction(QStringLiteral("&Vorschau"), this);
    toggle->setObjectName(QStringLiteral("mnu_ViewPreview"));
    toggle->setShortcut(Qt::Key_F8);
    toggle->setCheckable(true);
    toggle->setChecked(m_preview->isVisibleTo(this));
    connect(toggle, &QAction::toggled, this, [this](bool visible) {
        m_preview->setVisible(visible);
        QSettings().setValue(kVisibleKey, visible);
        if (visible)
            m_preview->scheduleRefresh();
    });
    auto* view = new QMenu(QStringLiteral("A&nsicht"), this);
    view->setObjectName(QStringLiteral("mnu_View"));
    view->addAction(toggle);
    menuBar()->insertMenu(findChild<QMenu*>(QStringLiteral("mnu_Help"))->menuAction(), view);
    connectPreview();
}

// Every edit of a field, an option or the member list regenerates the preview.
void frm_Main::connectPreview() {
    auto refresh = [this] { m_preview->scheduleRefresh(); };
    for (QLineEdit* field : {txt_Name, txt_Project, txt_File, txt_Author, txt_Copyright, txt_Build,
                             txt_Description, txt_DatabaseType})
        connect(field, &QLineEdit::textChanged, m_preview, refresh);
    for (QCheckBox* option : {opt_DatabaseAdvanced, opt_DatabaseLock, opt_DataLoadSave,
                              opt_DataLock, opt_DataEditor, opt_DataParent})
        connect(option, &QCheckBox::toggled, m_preview, refresh);
    connect(txt_Custom, &QPlainTextEdit::textChanged, m_preview, refresh);
    // The member list is built anew after every step: a reset, also when no row is left.
    connect(lst_Members->model(), &QAbstractItemModel::modelReset, m_preview, refresh);
    connect(m_preview, &PreviewPane::refreshed, this, &frm_Main::markFindings);
    connect(m_preview, &PreviewPane::findingActivated, this, &frm_Main::showFindingSource);
}

QWidget* frm_Main::fieldWidget(const QString& field) const {
    for (const FieldBinding<cls_Class>& binding : m_fields)
        if (field == QLatin1String(binding.field->name))
            return binding.control;
    return nullptr;
}

void frm_Main::markFindings() {
    QHash<QWidget*, QStringList> fieldLines;
    QHash<QWidget*, bool> fieldErrors;
    QHash<int, QStringList> memberLines;
    for (const gen::Finding& finding : m_preview->findings()) {
        const bool error = finding.severity == gen::Severity::Error;
        if (finding.member > 0) {
            memberLines[finding.member].append(gen::describe(finding));
        } else if (QWidget* widget = fieldWidget(finding.field)) {
            fieldLines[widget].append(gen::describe(finding));
            fieldErrors[widget] = fieldErrors.value(widget) || error;
        }
    }
    for (const FieldBinding<cls_Class>& binding : m_fields)
        markWidget(binding.control, fieldLines.value(binding.control),
                   fieldErrors.value(binding.control));
    for (int row = 0; row < lst_Members->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = lst_Members->topLevelItem(row);
        const QStringList lines = memberLines.value(row + 1);
        const QString tip =
            (QStringList{item->data(0, kFlagsTipRole).toString()} + lines).join(u'\n');
        for (int column = 0; column < item->columnCount(); ++column) {
            item->setForeground(column, lines.isEmpty() ? palette().text()
                                                        : QBrush(scheme::errorText(palette())));
            item->setToolTip(column, tip);
        }
    }
}

// A member's finding opens its dialog; any other selects the field that holds the problem.
void frm_Main::showFindingSource(const gen::Finding& finding) {
    if (finding.member > 0) {
        lst_Members->setCurrentItem(lst_Members->topLevelItem(finding.member - 1));
        mnu_MemberEdit_Click();
        return;
    }
    QWidget* widget = fieldWidget(finding.field);
    if (!widget)
        return;
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        line->selectAll();
}
