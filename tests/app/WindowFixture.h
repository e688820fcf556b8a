#pragma once

#include "app/controls/ctl_Button.h"
#include "app/controls/ctl_CmdBar.h"
#include "app/editor/frm_Main.h"
#include "app/member/frm_Member.h"
#include "support/ScriptedUi.h"
#include "support/Templates.h"
#include "support/TestFiles.h"
#include "support/TestMain.h"

#include "app/document/AppState.h"

#include <QtWidgets>
#include <memory>

// A real main window on a scripted user: messages and dialogs are answered from queues, and
// the member dialog is driven by a script instead of a nested event loop.
struct WindowFixture {
    using DialogScript = std::function<void(frm_Member&)>;

    ScriptedUi ui;
    AppState app{ui};
    QTemporaryDir folder;
    std::unique_ptr<frm_Main> window;
    QList<DialogScript> dialogScripts; // one per opened member dialog; none left means Abort

    WindowFixture() {
        window = std::make_unique<frm_Main>(app);
        window->setMemberDialogRunner([this](frm_Member& dialog) {
            if (!dialogScripts.isEmpty())
                dialogScripts.takeFirst()(dialog);
        });
        window->newTemplate();
    }

    QString path(const QString& name) const { return folder.filePath(name); }

    QAction* action(const char* name) const {
        return window->findChild<QAction*>(QLatin1String(name));
    }
    void trigger(const char* actionName) {
        QAction* found = action(actionName);
        QVERIFY2(found, actionName);
        found->trigger();
    }

    void addMember(const QString& name, const QString& type = u"String"_s) {
        dialogScripts.append([name, type](frm_Member& dialog) {
            dialog.txt_Name->setText(name);
            dialog.txt_Type->setCurrentText(type);
            dialog.bar_Buttons->button(u"OK"_s)->click();
        });
        window->but_Add->click();
    }

    void selectRow(int row) {
        window->lst_Members->setCurrentItem(window->lst_Members->topLevelItem(row));
    }

    QStringList rows(int column = 0) const {
        QStringList texts;
        for (int i = 0; i < window->lst_Members->topLevelItemCount(); ++i)
            texts.append(
                column < 0 ? window->lst_Members->topLevelItem(i)->data(0, Qt::UserRole).toString()
                           : window->lst_Members->topLevelItem(i)->text(column));
        return texts;
    }

    // The last message or dialog of that kind; an empty one when there was none.
    ScriptedUi::Shown lastShown(const QString& kind) const {
        const ScriptedUi::Shown* shown = ui.last(kind);
        return shown ? *shown : ScriptedUi::Shown{};
    }

    void showActive() {
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
};
