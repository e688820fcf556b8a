// frm_Main: the template operations, the file, member and help commands.
#include "frm_Main.h"

#include "TemplateHistory.h"
#include "controls/ctl_Button.h"
#include "document/AppState.h"
#include "document/TemplateDocument.h"
#include "member/frm_Member.h"
#include "preview/PreviewPane.h"

#include "corelib/Error.h"
#include "corelib/Paths.h"
#include "corelib/Version.h"
#include "model/MemberFields.h"
#include "project/Project.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QStatusBar>
#include <QTreeWidget>
#include <QUrl>
#include <tuple>

namespace {

const QString kWindowTitle = QStringLiteral("Veltrane Benchkit - Class Shaper");
const QString kLoseChangesQuestion = QStringLiteral(
    "Alle aktuellen Änderungen gehen verloren wenn Sie fortfahren! Trotzdem fortfahren?");
const QString kSelectMemberFirst =
    QStringLiteral("Sie müssen erst ein Mitglied in der Liste auswählen!");
const QString kAboutText = QStringLiteral(
    "Class Shaper\n\n"
    "Erzeugt aus einer Klassenvorlage das vollständige Klassenmodul (.cls) für Visual Basic 6 "
    "auf Grundlage der Veltrane Core-Klassenbibliothek: Datenschnittstelle, auf Wunsch "
    "Datenbankschnittstelle, Satzsperren und Editor-Prozeduren.\n\n"
    "Veltrane Benchkit");

QString flagsText(const cls_Member& member) {
    QStringList flags;
    if (member.MPUBLIC)
        flags << QStringLiteral("öffentlich");
    if (member.MARRAY)
        flags << QStringLiteral("Datenfeld");
    if (member.MDATAID)
        flags << QStringLiteral("an ID angebunden");
    if (member.MNOTBOUND)
        flags << QStringLiteral("nicht datengebunden");
    if (member.MCHILD)
        flags << QStringLiteral("Child");
    if (flags.isEmpty())
        return QStringLiteral("%1 As %2").arg(member.MNAME, member.MTYPE);
    return QStringLiteral("%1 As %2: %3").arg(member.MNAME, member.MTYPE, flags.join(", "));
}

} // namespace

void frm_Main::guarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const vlt::Error& e) {
        app.ui.errorMessage(e.message());
    } catch (const std::exception& e) {
        app.ui.errorMessage(
            QStringLiteral("Unerwarteter Fehler: %1").arg(QString::fromUtf8(e.what())));
    }
}

void frm_Main::markChanged() {
    app.changed = true;
    setTitle();
}

// The file name follows the class name only while it is the one the class name gave it: a
// name the user typed there stays.
void frm_Main::txt_Name_Change() {
    if (txt_File->text() == m_shownClassName + QStringLiteral(".cls")) {
        const TemplateHistory::Following following(*m_history);
        txt_File->setText(txt_Name->text() + QStringLiteral(".cls"));
    }
    m_shownClassName = txt_Name->text();
}

// "[*]" shows the unsaved mark; a template without a file is "Unbenannt".
void frm_Main::setTitle() {
    const QString file =
        app.currentTemplatePath.isEmpty() ? QStringLiteral("Unbenannt") : app.currentTemplatePath;
    setWindowTitle(QStringLiteral("%1 [%2][*]").arg(kWindowTitle, file));
    setWindowModified(app.changed);
    showOpenTemplateInProject();
}

// Filling the controls runs their change marking; the flag is put back afterwards, and the
// filling is no step to undo.
void frm_Main::showTemplate() {
    const bool changed = app.changed;
    {
        const TemplateHistory::Pause pause(*m_history);
        showFields(m_fields, *app.currentTemplate);
    }
    app.changed = changed;
    setTitle();
    refreshMemberList();
}

void frm_Main::changedOutsideHistory() {
    m_history->leaveSavedState();
    app.changed = true;
    setTitle();
}

void frm_Main::mnu_EditUndo_Click() {
    guarded([this] { m_history->undo(); });
}

void frm_Main::mnu_EditRedo_Click() {
    guarded([this] { m_history->redo(); });
}

MemberListAccess frm_Main::memberListAccess() {
    return {[this]() -> cls_Members& { return app.currentTemplate->MEMBERS(); },
            [this](int row) {
                refreshMemberList();
                selectMemberRow(row);
                lst_Members->setFocus(Qt::OtherFocusReason);
            }};
}

void frm_Main::takeOver() {
    takeOverFields(m_fields, *app.currentTemplate);
}

// Rebuilds the rows; the selected position stays selected as long as it exists.
void frm_Main::refreshMemberList() {
    const int selectedRow = lst_Members->indexOfTopLevelItem(lst_Members->currentItem());
    lst_Members->clear();
    cls_Members& members = app.currentTemplate->MEMBERS();
    const qint32 count = members.COUNT();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(count);
    for (qint32 i = 1; i <= count; ++i) {
        const std::shared_ptr<cls_Member> item = members.ITEM(vlt::Variant(i), true);
        auto* row =
            new QTreeWidgetItem({item->MNAME, item->MTYPE,
                                 item->MPUBLIC ? QStringLiteral("True") : QStringLiteral("False")});
        row->setData(0, Qt::UserRole, QString::number(i));
        const QString tip = flagsText(*item);
        row->setData(0, kFlagsTipRole, tip);
        for (int column = 0; column < row->columnCount(); ++column)
            row->setToolTip(column, tip);
        rows.append(row);
    }
    lst_Members->addTopLevelItems(rows);
    selectMemberRow(qMin(selectedRow, int(count) - 1));
}

void frm_Main::selectMemberRow(int row) {
    if (QTreeWidgetItem* item = lst_Members->topLevelItem(row))
        lst_Members->setCurrentItem(item);
    updateMemberCommands();
}

void frm_Main::updateMemberCommands() {
    const int row = lst_Members->selectedItems().isEmpty()
                        ? -1
                        : lst_Members->indexOfTopLevelItem(lst_Members->selectedItems().first());
    const int count = lst_Members->topLevelItemCount();
    const bool selected = row >= 0;
    const bool down = selected && row < count - 1;
    // Each command's menu entry and button are on together.
    for (const auto& [name, button, on] : {std::tuple{"mnu_MemberEdit", but_Edit, selected},
                                           {"mnu_MemberRemove", but_Remove, selected},
                                           {"mnu_MemberUp", but_Up, row > 0},
                                           {"mnu_MemberDown", but_Down, down}}) {
        m_actions.value(QLatin1String(name))->setEnabled(on);
        button->setEnabled(on);
    }
}

void frm_Main::status(const QString& text) {
    statusBar()->showMessage(text, 8000);
}

void frm_Main::newTemplate() {
    auto fresh = std::make_shared<cls_Class>();
    if (app.currentTemplate) {
        fresh->PROJECT = app.currentTemplate->PROJECT;
        fresh->AUTHOR = app.currentTemplate->AUTHOR;
        fresh->COPYRIGHT = app.currentTemplate->COPYRIGHT;
    }
    app.currentTemplate = fresh;
    app.currentTemplatePath.clear();
    app.changed = false;
    showTemplate();
    m_history->startFresh(true);
}

bool frm_Main::maybeSave() {
    if (!app.changed)
        return true;
    return app.ui.yesNoQuestion(kLoseChangesQuestion) == vlt::ID_Yes;
}

void frm_Main::mnu_FileNew_Click() {
    if (maybeSave())
        newTemplate();
}

void frm_Main::mnu_FileOpen_Click() {
    openFile(QString());
}

// An empty path asks with the open dialog; otherwise a file of the recent list or one dropped
// onto the window.
void frm_Main::openFile(const QString& path) {
    if (proj::isProjectPath(path)) {
        openProject(path);
        return;
    }
    if (!maybeSave())
        return;
    guarded([this, path] {
        if (!openTemplate(app, path)) {
            status(QStringLiteral("Öffnen abgebrochen"));
            return;
        }
        showTemplate();
        m_history->startFresh(true);
        watchTemplateFile();
        rememberRecentFile(app.currentTemplatePath);
        status(QStringLiteral("Geöffnet: %1").arg(app.currentTemplatePath));
    });
}

void frm_Main::mnu_FileSave_Click() {
    guarded([this] { saveToCurrentFile(); });
}

void frm_Main::mnu_FileSaveAs_Click() {
    guarded([this] { saveUnderNewName(); });
}

void frm_Main::saveToCurrentFile() {
    if (!vlt::fileExists(app.currentTemplatePath)) {
        saveUnderNewName();
        return;
    }
    if (!mayOverwriteOutsideChange())
        return;
    takeOver();
    if (!saveTemplate(app, app.currentTemplatePath))
        return;
    savedNow();
    status(QStringLiteral("Gespeichert: %1").arg(app.currentTemplatePath));
}

void frm_Main::saveUnderNewName() {
    takeOver();
    if (!saveTemplate(app)) {
        status(QStringLiteral("Speichern abgebrochen"));
        return;
    }
    showTemplate();
    savedNow();
    rememberRecentFile(app.currentTemplatePath);
    status(QStringLiteral("Gespeichert: %1").arg(app.currentTemplatePath));
}

// The saved state is where undoing leads back to an unchanged template; the module's line
// may read differently from the template's new folder.
void frm_Main::savedNow() {
    m_history->markSaved();
    setTitle();
    m_preview->scheduleRefresh();
    watchTemplateFile();
    projectFilesWritten();
}

void frm_Main::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    saveSettings();
    event->accept();
}

void frm_Main::runMemberDialog(const std::shared_ptr<cls_Member>& member) {
    frm_Member dialog(app, member, this);
    m_memberDialogRunner(dialog);
}

int frm_Main::selectedMemberPosition() {
    const QList<QTreeWidgetItem*> selected = lst_Members->selectedItems();
    if (selected.isEmpty()) {
        app.ui.errorMessage(kSelectMemberFirst);
        return 0;
    }
    return selected.constFirst()->data(0, Qt::UserRole).toString().toInt();
}

void frm_Main::mnu_MemberAdd_Click() {
    guarded([this] {
        auto member = std::make_shared<cls_Member>();
        runMemberDialog(member);
        if (member->MNAME.isEmpty())
            return;
        m_history->push(memberAdded(memberListAccess(), *member));
        status(QStringLiteral("Mitglied hinzugefügt: %1").arg(member->MNAME));
    });
}

// The dialog edits the member in place; what it changed becomes a step.
void frm_Main::mnu_MemberEdit_Click() {
    guarded([this] {
        const int position = selectedMemberPosition();
        if (position == 0)
            return;
        const std::shared_ptr<cls_Member> member =
            app.currentTemplate->MEMBERS().ITEM(vlt::Variant(position), true);
        cls_Member before;
        copyFields(kMemberFields, before, *member);
        runMemberDialog(member);
        if (!equalFields(kMemberFields, before, *member))
            m_history->push(memberEdited(memberListAccess(), position, before)); // shows the row
        setTitle();
    });
}

void frm_Main::mnu_MemberRemove_Click() {
    guarded([this] {
        const int position = selectedMemberPosition();
        if (position == 0)
            return;
        const QString name =
            app.currentTemplate->MEMBERS().ITEM(vlt::Variant(position), true)->MNAME;
        if (app.ui.yesNoQuestion(
                QStringLiteral("Wollen Sie das Mitglied „%1“ wirklich entfernen?").arg(name)) !=
            vlt::ID_Yes) {
            status(QStringLiteral("Nichts entfernt"));
            return;
        }
        m_history->push(memberRemoved(memberListAccess(), position));
        status(QStringLiteral("Mitglied entfernt: %1 (Rückgängig: Strg+Z)").arg(name));
    });
}

void frm_Main::mnu_MemberUp_Click() {
    moveSelectedMember(-1);
}

void frm_Main::mnu_MemberDown_Click() {
    moveSelectedMember(1);
}

// The list's order is the order of the generated code.
void frm_Main::moveSelectedMember(int step) {
    const QList<QTreeWidgetItem*> selected = lst_Members->selectedItems();
    if (selected.isEmpty())
        return;
    const int position = selected.constFirst()->data(0, Qt::UserRole).toString().toInt();
    const int target = position + step;
    if (target < 1 || target > app.currentTemplate->MEMBERS().COUNT())
        return;
    m_history->push(memberMoved(memberListAccess(), position, target));
}

void frm_Main::mnu_HelpAbout_Click() {
    app.ui.infoMessage(kAboutText);
}

void frm_Main::mnu_HelpVersion_Click() {
    app.ui.infoMessage(QStringLiteral("Version %1").arg(vlt::programVersion()));
}

namespace {

// A template dropped onto the window is opened, a class module imported, a project file or a
// folder opened as the project.
bool isDroppable(const QString& path) {
    return proj::isProjectPath(path) ||
           path.endsWith(QStringLiteral(".vlt-ctf"), Qt::CaseInsensitive) ||
           path.endsWith(QStringLiteral(".cls"), Qt::CaseInsensitive);
}

} // namespace

void frm_Main::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile() && isDroppable(urls.first().toLocalFile()))
        event->acceptProposedAction();
}

void frm_Main::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    const QString path = event->mimeData()->urls().first().toLocalFile();
    // Opening asks questions; the drop itself must end first.
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            if (path.endsWith(QStringLiteral(".cls"), Qt::CaseInsensitive))
                importModuleFile(path);
            else
                openFile(path);
        },
        Qt::QueuedConnection);
}

void frm_Main::mnu_HelpINetVLT_Click() {
    app.ui.openWebPage(QStringLiteral("https://www.veltrane.example/"));
}

void frm_Main::mnu_HelpINetBenchkit_Click() {
    app.ui.openWebPage(QStringLiteral("https://www.veltrane.example/benchkit"));
}
