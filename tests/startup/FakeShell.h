#pragma once

#include "app/editor/TemplateShell.h"
#include "support/Literals.h"

#include "app/document/AppState.h"
#include "corelib/Error.h"
#include "generator/ModuleOutput.h"

#include <QStringList>

// Stands in for the main window: records what start-up asks of it and writes a module text that
// names the template, so tests can tell which template a file was generated from.
class FakeShell : public TemplateShell {
public:
    explicit FakeShell(AppState& app) : m_app(app) {}

    QStringList calls;

    static QString moduleText(const QString& className) {
        return u"VERSION 1.0 CLASS\r\nAttribute VB_Name = \"%1\"\r\n"_s.arg(className);
    }

    void setMemberColumnWidths() override { calls.append(u"columns"_s); }
    void newTemplate() override {
        calls.append(u"new"_s);
        m_app.currentTemplate = std::make_shared<cls_Class>();
        m_app.currentTemplatePath.clear();
        m_app.changed = false;
    }
    void showTemplate() override { calls.append(u"show"_s); }
    void refreshMemberList() override { calls.append(u"refresh"_s); }
    void templateOpened(const QString&) override { calls.append(u"opened"_s); }
    void openProject(const QString& path) override { calls.append("project " + path); }
    void createFile() override {
        calls.append(u"createFile"_s);
        const QString target =
            m_app.ui.saveFileDialog({m_app.currentTemplate->FILENAME, u"Klasse erstellen"_s,
                                     u"Klasse|*.cls"_s, 1, u".cls"_s});
        if (target.isEmpty())
            return;
        m_app.currentTemplate->COMPILED = target;
        gen::writeModuleFile(target, hCompile(true));
    }
    QString hCompile(bool pAttributes) override {
        calls.append(u"hCompile"_s);
        const QString name = m_app.currentTemplate->CLASSNAME;
        if (name == "cls_Defekt"_L1)
            throw vlt::Error(u"Der Generator ist gescheitert."_s);
        return pAttributes ? moduleText(name) : QString();
    }

private:
    AppState& m_app;
};
