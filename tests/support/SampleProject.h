#pragma once

#include "Literals.h"
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A VB6 project made in a temporary folder, one class module in each state:
//   App/Projekt.vbp (tests/data/project, CR LF) names, among forms, references and a later
//   [Section]:
//     Klassen\cKunde.cls            aktuell      (template Vorlagen\cKunde.vlt-ctf, COMPILED
//                                                 ../Klassen/cKunde.cls)
//     Klassen\Auftrag\cAuftrag.cls  veraltet     (template beside it, empty COMPILED)
//     ..\Gemeinsam\cLog.cls         fehlt        (its template lies beside it, outside App)
//     KLASSEN\CALT.CLS              ohne Vorlage (on disk as Klassen/cAlt.cls)
//     Klassen\cWeg.cls              Fehler       (no such file)
//     Klassen\cDoppelt.cls          Konflikt     (Vorlagen\cDoppelt1 and 2 write it)
//   App/Vorlagen/cNeu.vlt-ctf writes Klassen\cNeu.cls, which the project does not name (fehlt);
//   App/Vorlagen/kaputt.vlt-ctf cannot be read (Fehler).
class SampleProject {
public:
    // In a temporary folder of its own, or in `root`.
    explicit SampleProject(const QString& root = QString());

    QString root() const { return m_root; }
    QString app() const { return path(u"App"_s); }
    QString vbp() const { return path(u"App/Projekt.vbp"_s); }
    // A path below root(), e.g. "App/Klassen/cKunde.cls".
    QString path(const QString& relative) const { return m_root + u'/' + relative; }

    // Writes the module a template generates, so that its class becomes current.
    void generate(const QString& templateRelative) const;
    // Sets a file's modification time three days back.
    void makeOld(const QString& relative) const;

    // A template of one member below root() that writes COMPILED.
    void writeClassTemplate(const QString& relative, const QString& className,
                            const QString& compiled, const QString& members = u"A:Long"_s) const;

private:
    QTemporaryDir m_dir;
    QString m_root;
};
