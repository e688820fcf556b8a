#pragma once

#include "MemberSteps.h"
#include "TemplateShell.h"
#include "app/controls/FieldBinding.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QLineEdit;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class CodeViewer;
class CustomCodeEdit;
class cls_Class;
class cls_Member;
class ctl_Button;
class frm_Member;
class ModuleDiff;
class PreviewPane;
class ProjectEvaluation;
class ProjectPanel;
class QDockWidget;
class QFileSystemWatcher;
class QTimer;
class TemplateHistory;
struct AppState;
namespace gen {
struct Finding;
struct ModuleImport;
} // namespace gen

// A member row's tooltip naming its flags, kept so that findings can be added to it.
inline constexpr int kFlagsTipRole = Qt::UserRole + 1;

// The program's window: every field of the current template, its member list and the menus.
// The controls are views of app.currentTemplate: filled from it by showTemplate(), copied
// into it by takeOver() before every save and every generation.
class frm_Main : public QMainWindow, public TemplateShell {
    Q_OBJECT
public:
    // Runs a member dialog to its end; the default shows it modally. Tests replace it to
    // drive the real dialog without a nested event loop.
    using MemberDialogRunner = std::function<void(frm_Member&)>;

    explicit frm_Main(AppState& app, QWidget* parent = nullptr);
    ~frm_Main() override;

    void setMemberColumnWidths() override;
    void newTemplate() override;
    void showTemplate() override;
    void refreshMemberList() override;
    void templateOpened(const QString& path) override;
    void openProject(const QString& path) override;
    void createFile() override;
    // Raises vlt::Error when the generator fails.
    QString hCompile(bool pAttributes) override;

    void takeOver();
    void setMemberDialogRunner(MemberDialogRunner runner);
    // The viewer of the last "Ansehen", or null.
    CodeViewer* viewer() const;
    // The module preview beside the form, with the findings of the checks.
    PreviewPane* preview() const { return m_preview; }
    // The module against what its imported template generates, after an import that is not
    // exact; or null.
    ModuleDiff* importDiff() const;
    // The template's edits, to undo and redo.
    TemplateHistory* history() const { return m_history; }
    // The open project's class modules, in a dock beside the form.
    ProjectPanel* projectPanel() const { return m_projectPanel; }
    ProjectEvaluation* projectEvaluation() const { return m_project; }

    QLineEdit* txt_Name;
    QLineEdit* txt_Project;
    QLineEdit* txt_File;
    QLineEdit* txt_Author;
    QLineEdit* txt_Copyright;
    QLineEdit* txt_Build;
    QLineEdit* txt_Description;
    QLineEdit* txt_DatabaseType;
    QCheckBox* opt_DatabaseAdvanced;
    QCheckBox* opt_DatabaseLock;
    QTreeWidget* lst_Members;
    ctl_Button* but_Add;
    ctl_Button* but_Edit;
    ctl_Button* but_Remove;
    QCheckBox* opt_DataLoadSave;
    QCheckBox* opt_DataLock;
    QCheckBox* opt_DataEditor;
    QCheckBox* opt_DataParent;
    ctl_Button* but_Up;
    ctl_Button* but_Down;
    CustomCodeEdit* txt_Custom;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Lets the menu shortcuts win over the text fields' own key bindings (Ctrl+U, Ctrl+E, ...)
    // and keeps the member list's columns sharing its width.
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void mnu_FileNew_Click();
    void mnu_FileOpen_Click();
    void mnu_FileSave_Click();
    void mnu_FileSaveAs_Click();
    void mnu_FileImport_Click();
    void mnu_FileOpenProject_Click();
    void mnu_FileOpenProjectFolder_Click();
    void mnu_FileCreateFile_Click();
    void mnu_FileCreateClipboard_Click();
    void mnu_FileCompileNotepad_Click();
    void mnu_MemberAdd_Click();
    void mnu_MemberEdit_Click();
    void mnu_MemberRemove_Click();
    void mnu_MemberUp_Click();
    void mnu_MemberDown_Click();
    void mnu_HelpAbout_Click();
    void mnu_HelpVersion_Click();
    void mnu_HelpINetVLT_Click();
    void mnu_HelpINetBenchkit_Click();
    void txt_Name_Change();
    void markChanged();
    void mnu_EditUndo_Click();
    void mnu_EditRedo_Click();
    void updateMemberCommands();

private:
    void createControls();
    void createBindings();
    void setBuddies();
    QWidget* createPropertiesPanel();
    QWidget* createDatabasePanel();
    QWidget* createMembersPanel();
    QWidget* createDataClassPanel();
    QWidget* createCustomPanel();
    void createLayout();
    void layOutBeforeShow();
    void connectChangeMarking();
    void connectMemberList();
    void createActions();
    void createEditActions();
    void createMenus();
    void createHistory();
    QAction* makeAction(const char* name, const QString& caption, const QKeySequence& shortcut,
                        void (frm_Main::*slot)());

    void restoreSettings();
    void saveSettings() const;
    void rememberRecentFile(const QString& path);
    void fillRecentMenu();
    void openFile(const QString& path);
    void status(const QString& text);
    void splitMemberColumns();
    void selectMemberRow(int row);
    void moveSelectedMember(int step);
    bool isMenuShortcut(const QKeyEvent* event) const;

    bool maybeSave();
    void setTitle();
    void saveToCurrentFile();
    void saveUnderNewName();
    void createToClipboard();
    void runMemberDialog(const std::shared_ptr<cls_Member>& member);
    // The member list as the undo steps reach it.
    MemberListAccess memberListAccess();
    // After an edit outside the undo steps (a new module target): the template is unsaved
    // until it is saved again.
    void changedOutsideHistory();
    void savedNow();
    // The position held in the selected row's tag, or 0 after telling the user to select one.
    int selectedMemberPosition();
    // Runs a command; an error is shown to the user and the program goes on.
    void guarded(const std::function<void()>& command);

    // Importing a class module (frm_MainImport.cpp).
    void importModuleFile(const QString& path);
    void takeImported(const gen::ModuleImport& imported);
    void showImportDifferences(const gen::ModuleImport& imported);

    // The project dock (frm_MainProject.cpp).
    void createProjectDock();
    void openProjectTemplate(const QString& path);
    void generateProject();
    void importProjectModules(const QStringList& modules);
    void showOpenTemplateInProject();
    void projectFilesWritten();

    // The open template against changes by other programs (frm_MainWatch.cpp).
    void createTemplateWatch();
    void watchTemplateFile();
    void checkOutsideChange();
    // Before saving over the file: true to go on; false when the user cancelled or reloaded.
    bool mayOverwriteOutsideChange();
    void reloadTemplate();

    // The preview pane (frm_MainPreview.cpp).
    void createPreview();
    void connectPreview();
    void showFindingSource(const gen::Finding& finding);
    void markFindings();
    QWidget* fieldWidget(const QString& field) const;

    AppState& app;
    PreviewPane* m_preview = nullptr;
    MemberDialogRunner m_memberDialogRunner;
    QPointer<CodeViewer> m_viewer;
    QPointer<ModuleDiff> m_importDiff;
    TemplateHistory* m_history = nullptr;
    ProjectEvaluation* m_project = nullptr;
    ProjectPanel* m_projectPanel = nullptr;
    QDockWidget* m_projectDock = nullptr;
    QFileSystemWatcher* m_templateWatch = nullptr;
    QTimer* m_outsideCheck = nullptr;
    QByteArray m_outsideAnswered; // the file's bytes the user already chose to keep editing over
    QString m_shownClassName;     // the class name before its latest change
    QHash<QString, QAction*> m_actions;
    QMenu* m_recentMenu = nullptr;
    QList<FieldBinding<cls_Class>> m_fields;
};
