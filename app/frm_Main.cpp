// frm_Main: building the window, its panels, actions and menus.
#include "frm_Main.h"

#include "CodeViewer.h"
#include "ctl_Button.h"
#include "ctl_Pannel.h"
#include "frm_Member.h"

#include "app/AppState.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstdio>

namespace {

// Started before main() runs, so the start-up measurement covers the whole start.
const QElapsedTimer gProcessClock = [] {
    QElapsedTimer vClock;
    vClock.start();
    return vClock;
}();

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QCheckBox* makeOption(const QString& caption, const char* name, QWidget* parent) {
    return named(new QCheckBox(caption, parent), name);
}

} // namespace

frm_Main::frm_Main(AppState& appState, QWidget* parent)
    : QMainWindow(parent), app(appState),
      m_memberDialogRunner([](frm_Member& dialog) { dialog.exec(); }) {
    setObjectName(QStringLiteral("frm_Main"));
    createControls();
    createLayout();
    connectChangeMarking();
    createActions();
    createMenus();
    setTitle();
    resize(1000, 720);
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
        makeOption(QStringLiteral("Direktes Interface hinzufügen"), "opt_DatabaseAdvanced", this);
    opt_DatabaseLock =
        makeOption(QStringLiteral("Satzsperrung unterstützen"), "opt_DatabaseLock", this);

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

    opt_DataLoadSave =
        makeOption(QStringLiteral("Eigene LOAD / SAVE Prozeduren"), "opt_DataLoadSave", this);
    opt_DataLock = makeOption(QStringLiteral("Satzsperrung unterstützen"), "opt_DataLock", this);
    opt_DataEditor =
        makeOption(QStringLiteral("Prozeduren für Editor hinzufügen"), "opt_DataEditor", this);
    opt_DataParent =
        makeOption(QStringLiteral("Unsichtbares hParent-Interface"), "opt_DataParent", this);

    txt_Custom = named(new QPlainTextEdit(this), "txt_Custom");
    txt_Custom->setLineWrapMode(QPlainTextEdit::NoWrap);
    txt_Custom->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txt_Custom->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txt_Custom->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QWidget* frm_Main::createPropertiesPanel() {
    auto* vPanel = named(new ctl_Pannel(QStringLiteral("Eigenschaften"), this), "pnl_Properties");
    auto* vLayout = new QFormLayout(vPanel);
    vLayout->addRow(QStringLiteral("Klassenname"), txt_Name);
    vLayout->addRow(QStringLiteral("Projekt"), txt_Project);
    vLayout->addRow(QStringLiteral("Datei"), txt_File);
    vLayout->addRow(QStringLiteral("Autor"), txt_Author);
    vLayout->addRow(QStringLiteral("Copyright"), txt_Copyright);
    vLayout->addRow(QStringLiteral("Datum"), txt_Build);
    vLayout->addRow(QStringLiteral("Beschreibung"), txt_Description);
    return vPanel;
}

QWidget* frm_Main::createDatabasePanel() {
    auto* vPanel = named(new ctl_Pannel(QStringLiteral("Datenbank"), this), "pnl_Database");
    auto* vLayout = new QFormLayout(vPanel);
    vLayout->addRow(QStringLiteral("Eintragstyp"), txt_DatabaseType);
    vLayout->addRow(opt_DatabaseAdvanced);
    vLayout->addRow(opt_DatabaseLock);
    return vPanel;
}

QWidget* frm_Main::createMembersPanel() {
    auto* vPanel = named(new ctl_Pannel(QStringLiteral("Mitglieder"), this), "pnl_Members");
    auto* vButtons = new QHBoxLayout;
    vButtons->addWidget(but_Add);
    vButtons->addWidget(but_Edit);
    vButtons->addWidget(but_Remove);
    vButtons->addStretch();
    auto* vLayout = new QVBoxLayout(vPanel);
    vLayout->addWidget(lst_Members, 1);
    vLayout->addLayout(vButtons);
    return vPanel;
}

QWidget* frm_Main::createDataClassPanel() {
    auto* vPanel = named(new ctl_Pannel(QStringLiteral("Datenklasse"), this), "pnl_DataClass");
    auto* vLayout = new QVBoxLayout(vPanel);
    vLayout->addWidget(opt_DataLoadSave);
    vLayout->addWidget(opt_DataLock);
    vLayout->addWidget(opt_DataEditor);
    vLayout->addWidget(opt_DataParent);
    return vPanel;
}

QWidget* frm_Main::createCustomPanel() {
    auto* vPanel =
        named(new ctl_Pannel(QStringLiteral("Eigene Erweiterungen"), this), "pnl_Custom");
    auto* vLayout = new QVBoxLayout(vPanel);
    vLayout->addWidget(txt_Custom);
    return vPanel;
}

void frm_Main::createLayout() {
    auto* vCentral = new QWidget(this);
    auto* vGrid = new QGridLayout(vCentral);
    vGrid->addWidget(createPropertiesPanel(), 0, 0);
    vGrid->addWidget(createMembersPanel(), 0, 1);
    vGrid->addWidget(createDatabasePanel(), 1, 0);
    vGrid->addWidget(createDataClassPanel(), 1, 1);
    vGrid->addWidget(createCustomPanel(), 2, 0, 1, 2);
    vGrid->setColumnStretch(0, 1);
    vGrid->setColumnStretch(1, 1);
    vGrid->setRowStretch(0, 3);
    vGrid->setRowStretch(2, 2);
    setCentralWidget(vCentral);
}

// Every edit marks the template changed, also those the user cannot lose otherwise: the
// custom code and every option.
void frm_Main::connectChangeMarking() {
    for (QLineEdit* vField : {txt_Name, txt_Project, txt_File, txt_Author, txt_Copyright, txt_Build,
                              txt_Description, txt_DatabaseType})
        connect(vField, &QLineEdit::textChanged, this, &frm_Main::markChanged);
    connect(txt_Name, &QLineEdit::textChanged, this, &frm_Main::txt_Name_Change);
    for (QCheckBox* vOption : {opt_DatabaseAdvanced, opt_DatabaseLock, opt_DataLoadSave,
                               opt_DataLock, opt_DataEditor, opt_DataParent})
        connect(vOption, &QCheckBox::toggled, this, &frm_Main::markChanged);
    connect(txt_Custom, &QPlainTextEdit::textChanged, this, &frm_Main::markChanged);
    connect(but_Add, &QPushButton::clicked, this, &frm_Main::mnu_MemberAdd_Click);
    connect(but_Edit, &QPushButton::clicked, this, &frm_Main::mnu_MemberEdit_Click);
    connect(but_Remove, &QPushButton::clicked, this, &frm_Main::mnu_MemberRemove_Click);
    connect(lst_Members, &QTreeWidget::itemDoubleClicked, this, &frm_Main::mnu_MemberEdit_Click);
}

QAction* frm_Main::makeAction(const char* name, const QString& caption,
                              const QKeySequence& shortcut, void (frm_Main::*slot)()) {
    auto* vAction = named(new QAction(caption, this), name);
    vAction->setShortcut(shortcut);
    connect(vAction, &QAction::triggered, this, slot);
    m_actions.insert(QLatin1String(name), vAction);
    return vAction;
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
    makeAction("mnu_FileCreateFile", QStringLiteral("&In Datei"), Qt::Key_F5,
               &frm_Main::mnu_FileCreateFile_Click);
    makeAction("mnu_FileCreateClipboard", QStringLiteral("&Zwischenablage"), Qt::Key_F6,
               &frm_Main::mnu_FileCreateClipboard_Click);
    makeAction("mnu_FileCompileNotepad", QStringLiteral("&Ansehen"), Qt::Key_F7,
               &frm_Main::mnu_FileCompileNotepad_Click);
    auto* vQuit = named(new QAction(QStringLiteral("&Beenden"), this), "mnu_FileQuit");
    vQuit->setShortcut(Qt::CTRL | Qt::Key_Q);
    connect(vQuit, &QAction::triggered, this, &QWidget::close);
    m_actions.insert(QStringLiteral("mnu_FileQuit"), vQuit);
    makeAction("mnu_MemberAdd", QStringLiteral("&Hinzufügen"), Qt::CTRL | Qt::Key_H,
               &frm_Main::mnu_MemberAdd_Click);
    makeAction("mnu_MemberEdit", QStringLiteral("&Bearbeiten"), Qt::CTRL | Qt::Key_B,
               &frm_Main::mnu_MemberEdit_Click);
    makeAction("mnu_MemberRemove", QStringLiteral("&Entfernen"), Qt::CTRL | Qt::Key_E,
               &frm_Main::mnu_MemberRemove_Click);
    makeAction("mnu_HelpAbout", QStringLiteral("&Info über"), Qt::Key_F1,
               &frm_Main::mnu_HelpAbout_Click);
    makeAction("mnu_HelpVersion", QStringLiteral("&Version"), Qt::Key_F2,
               &frm_Main::mnu_HelpVersion_Click);
    makeAction("mnu_HelpINetVLT", QStringLiteral("&Veltrane"), QKeySequence(),
               &frm_Main::mnu_HelpINetVLT_Click);
    makeAction("mnu_HelpINetBenchkit", QStringLiteral("&Benchkit"), QKeySequence(),
               &frm_Main::mnu_HelpINetBenchkit_Click);
}

void frm_Main::createMenus() {
    auto vMenu = [this](QMenu* parentMenu, const QString& caption, const char* name) {
        QMenu* vSub = parentMenu ? parentMenu->addMenu(caption) : menuBar()->addMenu(caption);
        return named(vSub, name);
    };
    auto vAdd = [this](QMenu* menu, const char* name) {
        menu->addAction(m_actions.value(QLatin1String(name)));
    };
    auto vSeparator = [](QMenu* menu, const char* name) { named(menu->addSeparator(), name); };

    QMenu* vFile = vMenu(nullptr, QStringLiteral("&Datei"), "mnu_File");
    vAdd(vFile, "mnu_FileNew");
    vSeparator(vFile, "mnu_FileSep1");
    vAdd(vFile, "mnu_FileOpen");
    vAdd(vFile, "mnu_FileSave");
    vAdd(vFile, "mnu_FileSaveAs");
    vSeparator(vFile, "mnu_FileSep2");
    QMenu* vCreate = vMenu(vFile, QStringLiteral("&Erstellen"), "mnu_FileCreate");
    vAdd(vCreate, "mnu_FileCreateFile");
    vAdd(vCreate, "mnu_FileCreateClipboard");
    vAdd(vCreate, "mnu_FileCompileNotepad");
    vSeparator(vFile, "mnu_FileSep3");
    vAdd(vFile, "mnu_FileQuit");

    QMenu* vMember = vMenu(nullptr, QStringLiteral("&Mitglied"), "mnu_Member");
    vAdd(vMember, "mnu_MemberAdd");
    vAdd(vMember, "mnu_MemberEdit");
    vAdd(vMember, "mnu_MemberRemove");

    QMenu* vHelp = vMenu(nullptr, QStringLiteral("&?"), "mnu_Help");
    vAdd(vHelp, "mnu_HelpAbout");
    vAdd(vHelp, "mnu_HelpVersion");
    vSeparator(vHelp, "mnu_HelpSep1");
    QMenu* vINet = vMenu(vHelp, QStringLiteral("&Internet"), "mnu_HelpINet");
    vAdd(vINet, "mnu_HelpINetVLT");
    vAdd(vINet, "mnu_HelpINetBenchkit");
}

void frm_Main::setMemberDialogRunner(MemberDialogRunner runner) {
    m_memberDialogRunner = std::move(runner);
}

CodeViewer* frm_Main::viewer() const {
    return m_viewer;
}

// Before the first show the window has its size but its children are not laid out yet.
// Laying out every level, outermost first, gives the list the width it will be shown with.
void frm_Main::layOutBeforeShow() {
    QList<QWidget*> vWidgets{this};
    vWidgets += findChildren<QWidget*>();
    for (QWidget* vWidget : vWidgets) {
        if (!vWidget->layout())
            continue;
        vWidget->layout()->invalidate();
        vWidget->layout()->activate();
    }
}

void frm_Main::setMemberColumnWidths() {
    if (!isVisible())
        layOutBeforeShow();
    const int vWidth = lst_Members->width() - 26;
    lst_Members->setColumnWidth(0, qRound(vWidth * 0.4));
    lst_Members->setColumnWidth(1, qRound(vWidth * 0.4));
    lst_Members->setColumnWidth(2, qRound(vWidth * 0.2));
}

void frm_Main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    static bool vMeasured = false;
    if (vMeasured || qEnvironmentVariable("CLASSSHAPER_MEASURE_STARTUP") != QLatin1String("1"))
        return;
    vMeasured = true;
    std::fprintf(stderr, "startup-ms: %lld\n", static_cast<long long>(gProcessClock.elapsed()));
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
