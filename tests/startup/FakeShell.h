#pragma once

#include "app/editor/TemplateShell.h"

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
        return QStringLiteral("VERSION 1.0 CLASS\r\nAttribute VB_Name = \"%1\"\r\n").arg(className);
    }

    void setMemberColumnWidths() override { calls.append(QStringLiteral("columns")); }
    void newTemplate() override {
        calls.append(QStringLiteral("new"));
        m_app.currentTemplate = std::make_shared<cls_Class>();
        m_app.currentTemplatePath.clear();
        m_app.changed = false;
    }
    void showTemplate() override { calls.append(QStringLiteral("show")); }
    void refreshMemberList() override { calls.append(QStringLiteral("refresh")); }
    void templateOpened(const QString&) override { calls.append(QStringLiteral("opened")); }
    void openProject(const QString& path) override { calls.append("project " + path); }
    void createFile() override {
        calls.append(QStringLiteral("createFile"));
        const QString target = m_app.ui.saveFileDialog(
            {m_app.currentTemplate->FILENAME, QStringLiteral("Klasse erstellen"),
             QStringLiteral("Klasse|*.cls"), 1, QStringLiteral(".cls")});
        if (target.isEmpty())
            return;
        m_app.currentTemplate->COMPILED = target;
        gen::writeModuleFile(target, hCompile(true));
    }
    QString hCompile(bool pAttributes) override {
        calls.append(QStringLiteral("hCompile"));
        const QString name = m_app.currentTemplate->CLASSNAME;
        if (name == QLatin1String("cls_Defekt"))
            throw vlt::Error(QStringLiteral("Der Generator ist gescheitert."));
        return pAttributes ? moduleText(name) : QString();
    }

private:
    AppState& m_app;
};
