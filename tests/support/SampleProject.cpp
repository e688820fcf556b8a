#include "SampleProject.h"

#include "Templates.h"
#include "TestFiles.h"

#include "generator/ModuleOutput.h"
#include "model/TemplateFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

SampleProject::SampleProject(const QString& root) : m_root(root.isEmpty() ? m_dir.path() : root) {
    if (!root.isEmpty())
        m_dir.remove();
    const QDir folder(m_root);
    for (const char* name : {"App/Klassen/Auftrag", "App/Vorlagen", "Gemeinsam"})
        folder.mkpath(QLatin1String(name));
    writeBytes(vbp(), readBytes(testData(u"project/Projekt.vbp"_s)));
    writeClassTemplate("App/Vorlagen/cKunde.vlt-ctf", "cKunde", "../Klassen/cKunde.cls",
                       "Name:String;Nummer:Long:id");
    writeClassTemplate("App/Klassen/Auftrag/cAuftrag.vlt-ctf", "cAuftrag", "",
                       "Datum:Date;Betrag:Currency");
    writeClassTemplate("Gemeinsam/cLog.vlt-ctf", "cLog", "", "Text:String");
    writeClassTemplate("App/Vorlagen/cDoppelt1.vlt-ctf", "cDoppelt", "../Klassen/cDoppelt.cls",
                       "A:String");
    writeClassTemplate("App/Vorlagen/cDoppelt2.vlt-ctf", "cDoppelt", "../Klassen/cDoppelt.cls",
                       "B:String");
    writeClassTemplate("App/Vorlagen/cNeu.vlt-ctf", "cNeu", "../Klassen/cNeu.cls", "C:Long");
    writeBytes(path("App/Vorlagen/kaputt.vlt-ctf"), "VLT-CTF\r\nKEIN INHALT\r\n");
    generate("App/Vorlagen/cKunde.vlt-ctf");
    generate("App/Klassen/Auftrag/cAuftrag.vlt-ctf");
    writeBytes(path("App/Klassen/Auftrag/cAuftrag.cls"),
               readBytes(path("App/Klassen/Auftrag/cAuftrag.cls")) + "' von Hand\r\n");
    writeBytes(path("App/Klassen/cAlt.cls"),
               "VERSION 1.0 CLASS\r\nAttribute VB_Name = \"cAlt\"\r\n");
    writeBytes(path("App/Klassen/cDoppelt.cls"), "VERSION 1.0 CLASS\r\n");
}

void SampleProject::writeClassTemplate(const QString& relative, const QString& className,
                                       const QString& compiled, const QString& members) const {
    cls_Class tpl;
    buildTemplate(tpl, members);
    tpl.CLASSNAME = className;
    tpl.FILENAME = className + u".cls"_s;
    tpl.COMPILED = compiled;
    writeTemplate(path(relative), tpl);
}

void SampleProject::generate(const QString& templateRelative) const {
    cls_Class tpl;
    readTemplate(path(templateRelative), tpl);
    const QString target =
        tpl.COMPILED.isEmpty()
            ? QFileInfo(path(templateRelative)).absoluteDir().filePath(tpl.FILENAME)
            : gen::moduleTarget(tpl.COMPILED, path(templateRelative));
    gen::writeModuleFile(target, tpl, gen::ModuleForm{});
}

void SampleProject::makeOld(const QString& relative) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadWrite) ||
        !file.setFileTime(QDateTime::currentDateTime().addDays(-3),
                          QFileDevice::FileModificationTime))
        qFatal("cannot age %s", qPrintable(relative));
}
