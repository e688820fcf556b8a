// frm_Main: building the window, its panels, actions and menus.
#include "frm_Main.h"

#include "TemplateHistory.h"
#include "controls/CustomCodeEdit.h"
#include "controls/TabOrder.h"
#include "controls/ctl_Button.h"
#include "controls/ctl_Pannel.h"
#include "member/frm_Member.h"
#include "viewer/CodeViewer.h"

#include "document/AppState.h"

#include "model/ClassFields.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <cstdio>

namespace {

// Started before main() runs, so the start-up measurement covers the whole start.
const QElapsedTimer gProcessClock = [] {
    QElapsedTimer clock;
    clock.start();
    return clock;
}();

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QCheckBox* makeOption(const QString& caption, const char* name, QWidget* parent) {
    return named(new QCheckBox(caption, parent), name);
}

// The labels' mnemonics focus their fields.
void addLabelledRow(QFormLayout* layout, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    layout->addRow(label, field);
}

} // namespace

frm_Main::frm_Main(AppState& appState, QWidget* parent)
    : QMainWindow(parent), app(appState),
      m_memberDialogRunner([](frm_Member& dialog) { dialog.exec(); }) {
    setObjectName(QStringLiteral("frm_Main"));
    createControls();
    createBindings();
    createLayout();
    createHistory();
    connectChangeMarking();
    connectMemberList();
    createActions();
    createMenus();
    createPreview();
    createProjectDock();
    createTemplateWatch();
    setAcceptDrops(true);
    statusBar();
    restoreSettings();
    updateMemberCommands();
}

frm_Main::~frm_Main() = default;

void frm_Main::createControls() {
    txt_Name = named(new QLineEdit(this), "txt_Name");
    txt_Project = named(new QLineEdit(this), "txt_Project");
    txt_File = named(new QLineEdit(this), "txt_File");
    txt_Author = named(new QLineEdit(this), "txt_Author");
    txt_Copyright = named(new QLineEdit(this), "txt_Copyright");
    txt_Build = named(new QLineEdit(this), "txt_Build");
    txt_Description = named(new QLineEdit(this), "txt_Description");
    txt_DatabaseType = named(new QLineEdit(this), "txt_DatabaseType");
    opt_DatabaseAdvanced =
        makeOption(QStringLiteral("Direktes Interface hinzuf&ügen"), "opt_DatabaseAdvanced", this);
    opt_DatabaseLock =
        makeOption(QStringLiteral("&Satzsperrung unterstützen"), "opt_DatabaseLock", this);

    lst_Members = named(new QTreeWidget(this), "lst_Members");
    lst_Members->setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Type"), QStringLiteral("Public")});
    lst_Members->setRootIsDecorated(false);
    lst_Members->setUniformRowHeights(true);
    lst_Members->setAlternatingRowColors(true);
    lst_Members->setAllColumnsShowFocus(true);
    lst_Members->setSelectionMode(QAbstractItemView::SingleSelection);
    lst_Members->setEditTriggers(QAbstractItemView::NoEditTriggers);
    but_Add = named(new ctl_Button(QStringLiteral("&Hinzufügen"), this), "but_Add");
    but_Edit = named(new ctl_Button(QStringLiteral("&Bearbeiten"), this), "but_Edit");
    but_Remove = named(new ctl_Button(QStringLiteral("&Entfernen"), this), "but_Remove");
    but_Up = named(new ctl_Button(QStringLiteral("Nach &oben"), this), "but_Up");
    but_Down = named(new ctl_Button(QStringLiteral("Nach &unten"), this), "but_Down");

    opt_DataLoadSave =
        makeOption(QStringLiteral("Eigene &LOAD / SAVE Prozeduren"), "opt_DataLoadSave", this);
    opt_DataLock = makeOption(QStringLiteral("Sat&zsperrung unterstützen"), "opt_DataLock", this);
    opt_DataEditor =
        makeOption(QStringLiteral("Prozeduren &für Editor hinzufügen"), "opt_DataEditor", this);
    opt_DataParent =
        makeOption(QStringLiteral("Unsichtbares h&Parent-Interface"), "opt_DataParent", this);

    txt_Custom = named(new CustomCodeEdit(this), "txt_Custom");
    txt_Custom->setLineWrapMode(QPlainTextEdit::NoWrap);
    txt_Custom->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txt_Custom->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txt_Custom->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (QWidget* field :
         {static_cast<QWidget*>(txt_Name), static_cast<QWidget*>(txt_Project),
          static_cast<QWidget*>(txt_File), static_cast<QWidget*>(txt_Author),
          static_cast<QWidget*>(txt_Copyright), static_cast<QWidget*>(txt_Build),
          static_cast<QWidget*>(txt_Description), static_cast<QWidget*>(txt_DatabaseType),
          static_cast<QWidget*>(txt_Custom), static_cast<QWidget*>(lst_Members)})
        field->installEventFilter(this);
}

// The order is the order in which the template is shown: txt_File after txt_Name, so that it
// keeps FILENAME although the name's change handler rewrites it.
void frm_Main::createBindings() {
    const auto bind = [](const char* name, QWidget* control) {
        return bindField<cls_Class>(kClassFields, name, control);
    };
    m_fields = {
        bind("CLASSNAME", txt_Name),
        bind("PROJECT", txt_Project),
        bind("FILENAME", txt_File),
        bind("AUTHOR", txt_Author),
        bind("COPYRIGHT", txt_Copyright),
        bind("BUILD", txt_Build),
        bind("DESCRIPTION", txt_Description),
        bind("CUSTOM", txt_Custom),
        bind("DATABASE_TYPE", txt_DatabaseType),
        bind("DATABASE_LOCK", opt_DatabaseLock),
        bind("DATABASE_ADVANCED", opt_DatabaseAdvanced),
        bind("DATA_PARENT", opt_DataParent),
        bind("DATA_LOCK", opt_DataLock),
        bind("DATA_LOADSAVE", opt_DataLoadSave),
        bind("DATA_EDITOR", opt_DataEditor),
    };
}

QWidget* frm_Main::createPropertiesPanel() {
    auto* panel = named(new ctl_Pannel(QStringLiteral("Eigenschaften"), this), "pnl_Properties");
    auto* layout = new QFormLayout(panel);
    addLabelledRow(layout, QStringLiteral("&Klassenname"), txt_Name);
    addLabelledRow(layout, QStringLiteral("Pro&jekt"), txt_Project);
    addLabelledRow(layout, QStringLiteral("Date&i"), txt_File);
    addLabelledRow(layout, QStringLiteral("&Autor"), txt_Author);
    addLabelledRow(layout, QStringLiteral("&Copyright"), txt_Copyright);
    addLabelledRow(layout, QStringLiteral("Da&tum"), txt_Build);
    addLabelledRow(layout, QStringLiteral("Beschreibun&g"), txt_Description);
    return panel;
}

QWidget* frm_Main::createDatabasePanel() {
    auto* panel = named(new ctl_Pannel(QStringLiteral("Datenbank"), this), "pnl_Database");
    auto* layout = new QFormLayout(panel);
    addLabelledRow(layout, QStringLiteral("Eintragst&yp"), txt_DatabaseType);
    layout->addRow(opt_DatabaseAdvanced);
    layout->addRow(opt_DatabaseLock);
    return panel;
}

QWidget* frm_Main::createMembersPanel() {
    auto* panel = named(new ctl_Pannel(QStringLiteral("Mitglieder"), this), "pnl_Members");
    auto* buttons = new QHBoxLayout;
    for (ctl_Button* button : {but_Add, but_Edit, but_Remove})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(but_Up);
    buttons->addWidget(but_Down);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(lst_Members, 1);
    layout->addLayout(buttons);
    return panel;
}

QWidget* frm_Main::createDataClassPanel() {
    auto* panel = named(new ctl_Pannel(QStringLiteral("Datenklasse"), this), "pnl_DataClass");
    auto* layout = new QVBoxLayout(panel);
    for (QCheckBox* option : {opt_DataLoadSave, opt_DataLock, opt_DataEditor, opt_DataParent})
        layout->addWidget(option);
    return panel;
}

QWidget* frm_Main::createCustomPanel() {
    auto* panel =
        named(new ctl_Pannel(QStringLiteral("Eigene Er&weiterungen"), this), "pnl_Custom");
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(txt_Custom);
    return panel;
}

void frm_Main::createLayout() {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->addWidget(createPropertiesPanel(), 0, 0);
    grid->addWidget(createMembersPanel(), 0, 1);
    grid->addWidget(createDatabasePanel(), 1, 0);
    grid->addWidget(createDataClassPanel(), 1, 1);
    grid->addWidget(createCustomPanel(), 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 3);
    grid->setRowStretch(2, 2);
    setCentralWidget(central);
    // Tab follows the panels as they stand: left column, then right column, then the code.
    setTabChain(
        {txt_Name,    txt_Project,      txt_File,         txt_Author,           txt_Copyright,
         txt_Build,   txt_Description,  txt_DatabaseType, opt_DatabaseAdvanced, opt_DatabaseLock,
         lst_Members, but_Add,          but_Edit,         but_Remove,           but_Up,
         but_Down,    opt_DataLoadSave, opt_DataLock,     opt_DataEditor,       opt_DataParent,
         txt_Custom});
}

// Each field's edits become steps named by the field's label or the option's caption.
void frm_Main::createHistory() {
    m_history = new TemplateHistory(this);
    for (const FieldBinding<cls_Class>& binding : m_fields) {
        QString caption = QStringLiteral("Eigene Erweiterungen");
        if (const auto* option = qobject_cast<QCheckBox*>(binding.control))
            caption = option->text();
        for (const QLabel* label : findChildren<QLabel*>())
            if (label->buddy() == binding.control)
                caption = label->text();
        m_history->watch(binding.control, caption);
    }
    connect(m_history, &TemplateHistory::savedStateChanged, this, [this](bool saved) {
        app.changed = !saved;
        setTitle();
    });
}

// Every edit marks the template changed, also those the user cannot lose otherwise: the
// custom code and every option.
void frm_Main::connectChangeMarking() {
    for (QLineEdit* field : {txt_Name, txt_Project, txt_File, txt_Author, txt_Copyright, txt_Build,
                             txt_Description, txt_DatabaseType})
        connect(field, &QLineEdit::textChanged, this, &frm_Main::markChanged);
    connect(txt_Name, &QLineEdit::textChanged, this, &frm_Main::txt_Name_Change);
    for (QCheckBox* option : {opt_DatabaseAdvanced, opt_DatabaseLock, opt_DataLoadSave,
                              opt_DataLock, opt_DataEditor, opt_DataParent})
        connect(option, &QCheckBox::toggled, this, &frm_Main::markChanged);
    connect(txt_Custom, &QPlainTextEdit::textChanged, this, &frm_Main::markChanged);
}

void frm_Main::connectMemberList() {
    connect(but_Add, &QPushButton::clicked, this, &frm_Main::mnu_MemberAdd_Click);
    connect(but_Edit, &QPushButton::clicked, this, &frm_Main::mnu_MemberEdit_Click);
    connect(but_Remove, &QPushButton::clicked, this, &frm_Main::mnu_MemberRemove_Click);
    connect(but_Up, &QPushButton::clicked, this, &frm_Main::mnu_MemberUp_Click);
    connect(but_Down, &QPushButton::clicked, this, &frm_Main::mnu_MemberDown_Click);
    connect(lst_Members, &QTreeWidget::itemDoubleClicked, this, &frm_Main::mnu_MemberEdit_Click);
    connect(lst_Members, &QTreeWidget::itemSelectionChanged, this, &frm_Main::updateMemberCommands);
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)})
        new QShortcut(keys, lst_Members, this, &frm_Main::mnu_MemberEdit_Click, Qt::WidgetShortcut);
    new QShortcut(QKeySequence::Delete, lst_Members, this, &frm_Main::mnu_MemberRemove_Click,
                  Qt::WidgetShortcut);
}

QAction* frm_Main::makeAction(const char* name, const QString& caption,
                              const QKeySequence& shortcut, void (frm_Main::*slot)()) {
    auto* action = named(new QAction(caption, this), name);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, slot);
    m_actions.insert(QLatin1String(name), action);
    return action;
}

void frm_Main::createActions() {
    makeAction("mnu_FileNew", QStringLiteral("&Neu"), Qt::CTRL | Qt::Key_N,
               &frm_Main::mnu_FileNew_Click);
    makeAction("mnu_FileOpen", QStringLiteral("&Öffnen"), Qt::CTRL | Qt::Key_O,
               &frm_Main::mnu_FileOpen_Click);
    makeAction("mnu_FileSave", QStringLiteral("&Speichern"), Qt::CTRL | Qt::Key_S,
               &frm_Main::mnu_FileSave_Click);
    makeAction("mnu_FileSaveAs", QStringLiteral("Speichern &unter"), Qt::CTRL | Qt::Key_U,
               &frm_Main::mnu_FileSaveAs_Click);
    makeAction("mnu_FileImport", QStringLiteral("&Importieren…"), Qt::CTRL | Qt::Key_I,
               &frm_Main::mnu_FileImport_Click);
    makeAction("mnu_FileOpenProject", QStringLiteral("&Projekt öffnen…"),
               Qt::CTRL | Qt::SHIFT | Qt::Key_O, &frm_Main::mnu_FileOpenProject_Click);
    makeAction("mnu_FileOpenProjectFolder", QStringLiteral("Projekt&ordner öffnen…"),
               QKeySequence(), &frm_Main::mnu_FileOpenProjectFolder_Click);
    makeAction("mnu_FileCreateFile", QStringLiteral("&In Datei"), Qt::Key_F5,
               &frm_Main::mnu_FileCreateFile_Click);
    makeAction("mnu_FileCreateClipboard", QStringLiteral("&Zwischenablage"), Qt::Key_F6,
               &frm_Main::mnu_FileCreateClipboard_Click);
    makeAction("mnu_FileCompileNotepad", QStringLiteral("&Ansehen"), Qt::Key_F7,
               &frm_Main::mnu_FileCompileNotepad_Click);
    auto* quit = named(new QAction(QStringLiteral("&Beenden"), this), "mnu_FileQuit");
    quit->setShortcut(Qt::CTRL | Qt::Key_Q);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    m_actions.insert(QStringLiteral("mnu_FileQuit"), quit);
    makeAction("mnu_MemberAdd", QStringLiteral("&Hinzufügen"), Qt::CTRL | Qt::Key_H,
               &frm_Main::mnu_MemberAdd_Click);
    makeAction("mnu_MemberEdit", QStringLiteral("&Bearbeiten"), Qt::CTRL | Qt::Key_B,
               &frm_Main::mnu_MemberEdit_Click);
    makeAction("mnu_MemberRemove", QStringLiteral("&Entfernen"), Qt::CTRL | Qt::Key_E,
               &frm_Main::mnu_MemberRemove_Click);
    makeAction("mnu_MemberUp", QStringLiteral("Nach &oben"), Qt::ALT | Qt::Key_Up,
               &frm_Main::mnu_MemberUp_Click);
    makeAction("mnu_MemberDown", QStringLiteral("Nach &unten"), Qt::ALT | Qt::Key_Down,
               &frm_Main::mnu_MemberDown_Click);
    makeAction("mnu_HelpAbout", QStringLiteral("&Info über"), Qt::Key_F1,
               &frm_Main::mnu_HelpAbout_Click);
    makeAction("mnu_HelpVersion", QStringLiteral("&Version"), Qt::Key_F2,
               &frm_Main::mnu_HelpVersion_Click);
    makeAction("mnu_HelpINetVLT", QStringLiteral("&Veltrane"), QKeySequence(),
               &frm_Main::mnu_HelpINetVLT_Click);
    makeAction("mnu_HelpINetBenchkit", QStringLiteral("&Benchkit"), QKeySequence(),
               &frm_Main::mnu_HelpINetBenchkit_Click);
    createEditActions();
}

// Undo and redo name the step they would take; they work in every field, where they undo the
// template's steps rather than the field's own typing.
void frm_Main::createEditActions() {
    QAction* undo = makeAction("mnu_EditUndo", QStringLiteral("&Rückgängig"), QKeySequence::Undo,
                               &frm_Main::mnu_EditUndo_Click);
    QAction* redo = makeAction("mnu_EditRedo", QStringLiteral("&Wiederholen"), QKeySequence(),
                               &frm_Main::mnu_EditRedo_Click);
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QUndoStack* stack = m_history->stack();
    const auto name = [](QAction* action, const QString& caption, const QString& step) {
        action->setText(step.isEmpty() ? caption : QStringLiteral("%1: %2").arg(caption, step));
    };
    connect(stack, &QUndoStack::undoTextChanged, undo,
            [undo, name](const QString& step) { name(undo, QStringLiteral("&Rückgängig"), step); });
    connect(stack, &QUndoStack::redoTextChanged, redo, [redo, name](const QString& step) {
        name(redo, QStringLiteral("&Wiederholen"), step);
    });
    connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    undo->setEnabled(false);
    redo->setEnabled(false);
}

void frm_Main::createMenus() {
    auto menu = [this](QMenu* parentMenu, const QString& caption, const char* name) {
        QMenu* sub = parentMenu ? parentMenu->addMenu(caption) : menuBar()->addMenu(caption);
        return named(sub, name);
    };
    auto add = [this](QMenu* target, const char* name) {
        target->addAction(m_actions.value(QLatin1String(name)));
    };
    auto separator = [](QMenu* target, const char* name) { named(target->addSeparator(), name); };

    QMenu* file = menu(nullptr, QStringLiteral("&Datei"), "mnu_File");
    add(file, "mnu_FileNew");
    separator(file, "mnu_FileSep1");
    add(file, "mnu_FileOpen");
    m_recentMenu = menu(file, QStringLiteral("&Zuletzt geöffnet"), "mnu_FileRecent");
    fillRecentMenu();
    add(file, "mnu_FileOpenProject");
    add(file, "mnu_FileOpenProjectFolder");
    add(file, "mnu_FileImport");
    add(file, "mnu_FileSave");
    add(file, "mnu_FileSaveAs");
    separator(file, "mnu_FileSep2");
    QMenu* create = menu(file, QStringLiteral("&Erstellen"), "mnu_FileCreate");
    add(create, "mnu_FileCreateFile");
    add(create, "mnu_FileCreateClipboard");
    add(create, "mnu_FileCompileNotepad");
    separator(file, "mnu_FileSep3");
    add(file, "mnu_FileQuit");

    QMenu* edit = menu(nullptr, QStringLiteral("Bea&rbeiten"), "mnu_Edit");
    add(edit, "mnu_EditUndo");
    add(edit, "mnu_EditRedo");

    QMenu* member = menu(nullptr, QStringLiteral("&Mitglied"), "mnu_Member");
    add(member, "mnu_MemberAdd");
    add(member, "mnu_MemberEdit");
    add(member, "mnu_MemberRemove");
    member->addSeparator();
    add(member, "mnu_MemberUp");
    add(member, "mnu_MemberDown");

    QMenu* help = menu(nullptr, QStringLiteral("&?"), "mnu_Help");
    add(help, "mnu_HelpAbout");
    add(help, "mnu_HelpVersion");
    separator(help, "mnu_HelpSep1");
    QMenu* internet = menu(help, QStringLiteral("I&nternet"), "mnu_HelpINet");
    add(internet, "mnu_HelpINetVLT");
    add(internet, "mnu_HelpINetBenchkit");
}

void frm_Main::setMemberDialogRunner(MemberDialogRunner runner) {
    m_memberDialogRunner = std::move(runner);
}

CodeViewer* frm_Main::viewer() const {
    return m_viewer;
}

bool frm_Main::isMenuShortcut(const QKeyEvent* event) const {
    const QKeySequence pressed(event->keyCombination());
    for (const QAction* action : m_actions)
        if (action->shortcuts().contains(pressed))
            return true;
    return false;
}

// A ShortcutOverride that no field accepts goes to the menu's shortcut instead of the field.
// The member list's columns share its width whenever it changes.
bool frm_Main::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lst_Members && event->type() == QEvent::Resize)
        splitMemberColumns();
    if (event->type() == QEvent::ShortcutOverride &&
        isMenuShortcut(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Before the first show the window has its size but its children are not laid out yet.
// Laying out every level, outermost first, gives the list the width it will be shown with.
void frm_Main::layOutBeforeShow() {
    QList<QWidget*> widgets{this};
    widgets += findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        // A splitter places its panes in its resize event, which a hidden window never gets.
        if (auto* splitter = qobject_cast<QSplitter*>(widget)) {
            QResizeEvent resize(splitter->size(), splitter->size());
            QCoreApplication::sendEvent(splitter, &resize);
        }
        if (!widget->layout())
            continue;
        widget->layout()->invalidate();
        widget->layout()->activate();
    }
}

void frm_Main::setMemberColumnWidths() {
    if (!isVisible())
        layOutBeforeShow();
    splitMemberColumns();
}

void frm_Main::splitMemberColumns() {
    const int width = lst_Members->width() - 26;
    lst_Members->setColumnWidth(0, qRound(width * 0.4));
    lst_Members->setColumnWidth(1, qRound(width * 0.4));
    lst_Members->setColumnWidth(2, qRound(width * 0.2));
}

void frm_Main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    static bool measured = false;
    if (measured || qEnvironmentVariable("CLASSSHAPER_MEASURE_STARTUP") != QLatin1String("1"))
        return;
    measured = true;
    std::fprintf(stderr, "startup-ms: %lld\n", static_cast<long long>(gProcessClock.elapsed()));
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
