// frm_Main: the template operations, the file, member and help commands.
#include "frm_Main.h"

#include "AppState.h"
#include "TemplateDocument.h"
#include "frm_Member.h"

#include "corelib/Error.h"
#include "corelib/Paths.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

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

bool isTicked(const QCheckBox* option) {
    return option->checkState() != Qt::Unchecked;
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
}

void frm_Main::txt_Name_Change() {
    txt_File->setText(txt_Name->text() + QStringLiteral(".cls"));
}

void frm_Main::setTitle() {
    if (app.currentTemplatePath.isEmpty())
        setWindowTitle(kWindowTitle);
    else
        setWindowTitle(kWindowTitle + QStringLiteral(" [") + app.currentTemplatePath +
                       QStringLiteral("]"));
}

// Filling the controls runs their change marking; the flag is put back afterwards.
void frm_Main::showTemplate() {
    const bool vChanged = app.changed;
    cls_Class& vTemplate = *app.currentTemplate;
    txt_Name->setText(vTemplate.CLASSNAME);
    txt_Project->setText(vTemplate.PROJECT);
    txt_File->setText(vTemplate.FILENAME);
    txt_Author->setText(vTemplate.AUTHOR);
    txt_Copyright->setText(vTemplate.COPYRIGHT);
    txt_Build->setText(vTemplate.BUILD);
    txt_Description->setText(vTemplate.DESCRIPTION);
    txt_Custom->setPlainText(vTemplate.CUSTOM);
    txt_DatabaseType->setText(vTemplate.DATABASE_TYPE);
    opt_DatabaseLock->setChecked(vTemplate.DATABASE_LOCK);
    opt_DatabaseAdvanced->setChecked(vTemplate.DATABASE_ADVANCED);
    opt_DataParent->setChecked(vTemplate.DATA_PARENT);
    opt_DataLock->setChecked(vTemplate.DATA_LOCK);
    opt_DataLoadSave->setChecked(vTemplate.DATA_LOADSAVE);
    opt_DataEditor->setChecked(vTemplate.DATA_EDITOR);
    setTitle();
    refreshMemberList();
    app.changed = vChanged;
}

void frm_Main::takeOver() {
    cls_Class& vTemplate = *app.currentTemplate;
    vTemplate.CLASSNAME = txt_Name->text();
    vTemplate.PROJECT = txt_Project->text();
    vTemplate.FILENAME = txt_File->text();
    vTemplate.AUTHOR = txt_Author->text();
    vTemplate.COPYRIGHT = txt_Copyright->text();
    vTemplate.BUILD = txt_Build->text();
    vTemplate.DESCRIPTION = txt_Description->text();
    vTemplate.CUSTOM = txt_Custom->toPlainText();
    vTemplate.DATABASE_TYPE = txt_DatabaseType->text();
    vTemplate.DATABASE_LOCK = isTicked(opt_DatabaseLock);
    vTemplate.DATABASE_ADVANCED = isTicked(opt_DatabaseAdvanced);
    vTemplate.DATA_PARENT = isTicked(opt_DataParent);
    vTemplate.DATA_LOCK = isTicked(opt_DataLock);
    vTemplate.DATA_LOADSAVE = isTicked(opt_DataLoadSave);
    vTemplate.DATA_EDITOR = isTicked(opt_DataEditor);
}

void frm_Main::refreshMemberList() {
    lst_Members->clear();
    cls_Members& vMembers = app.currentTemplate->MEMBERS();
    const qint32 vCount = vMembers.COUNT();
    QList<QTreeWidgetItem*> vRows;
    vRows.reserve(vCount);
    for (qint32 i = 1; i <= vCount; ++i) {
        const std::shared_ptr<cls_Member> vItem = vMembers.ITEM(vlt::Variant(i), true);
        auto* vRow = new QTreeWidgetItem(
            {vItem->MNAME, vItem->MTYPE,
             vItem->MPUBLIC ? QStringLiteral("True") : QStringLiteral("False")});
        vRow->setData(0, Qt::UserRole, QString::number(i));
        vRows.append(vRow);
    }
    lst_Members->addTopLevelItems(vRows);
}

void frm_Main::newTemplate() {
    auto vTemplate = std::make_shared<cls_Class>();
    if (app.currentTemplate) {
        vTemplate->PROJECT = app.currentTemplate->PROJECT;
        vTemplate->AUTHOR = app.currentTemplate->AUTHOR;
        vTemplate->COPYRIGHT = app.currentTemplate->COPYRIGHT;
    }
    app.currentTemplate = vTemplate;
    app.currentTemplatePath.clear();
    app.changed = false;
    showTemplate();
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
    if (!maybeSave())
        return;
    guarded([this] {
        if (openTemplate(app))
            showTemplate();
    });
}

void frm_Main::mnu_FileSave_Click() {
    guarded([this] { saveTemplate(); });
}

void frm_Main::mnu_FileSaveAs_Click() {
    guarded([this] { saveTemplateAs(); });
}

void frm_Main::saveTemplate() {
    if (!vlt::fileExists(app.currentTemplatePath)) {
        saveTemplateAs();
        return;
    }
    takeOver();
    ::saveTemplate(app, app.currentTemplatePath);
}

void frm_Main::saveTemplateAs() {
    takeOver();
    if (::saveTemplate(app))
        showTemplate();
}

void frm_Main::closeEvent(QCloseEvent* event) {
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

void frm_Main::runMemberDialog(const std::shared_ptr<cls_Member>& member) {
    frm_Member vDialog(app, member, this);
    m_memberDialogRunner(vDialog);
}

int frm_Main::selectedMemberPosition() {
    const QList<QTreeWidgetItem*> vSelected = lst_Members->selectedItems();
    if (vSelected.isEmpty()) {
        app.ui.errorMessage(kSelectMemberFirst);
        return 0;
    }
    return vSelected.constFirst()->data(0, Qt::UserRole).toString().toInt();
}

void frm_Main::mnu_MemberAdd_Click() {
    guarded([this] {
        auto vMember = std::make_shared<cls_Member>();
        runMemberDialog(vMember);
        if (vMember->MNAME.isEmpty())
            return;
        app.currentTemplate->MEMBERS().DATABASE.ADD(vMember);
        app.changed = true;
        refreshMemberList();
    });
}

void frm_Main::mnu_MemberEdit_Click() {
    guarded([this] {
        const int vPosition = selectedMemberPosition();
        if (vPosition == 0)
            return;
        runMemberDialog(app.currentTemplate->MEMBERS().ITEM(vlt::Variant(vPosition), true));
        refreshMemberList();
    });
}

void frm_Main::mnu_MemberRemove_Click() {
    guarded([this] {
        const int vPosition = selectedMemberPosition();
        if (vPosition == 0)
            return;
        if (app.ui.yesNoQuestion(QStringLiteral(
                "Wollen Sie das ausgewählte Mitglied wirklich entfernen?")) != vlt::ID_Yes)
            return;
        app.currentTemplate->MEMBERS().DATABASE.REMOVE(vlt::Variant(vPosition), true);
        app.changed = true;
        refreshMemberList();
    });
}

void frm_Main::mnu_HelpAbout_Click() {
    app.ui.infoMessage(kAboutText);
}

void frm_Main::mnu_HelpVersion_Click() {
    app.ui.infoMessage(QStringLiteral("Version 1.4"));
}

void frm_Main::mnu_HelpINetVLT_Click() {
    app.ui.openWebPage(QStringLiteral("https://www.veltrane.example/"));
}

void frm_Main::mnu_HelpINetBenchkit_Click() {
    app.ui.openWebPage(QStringLiteral("https://www.veltrane.example/benchkit"));
}
