#include "OverwriteDialog.h"

#include "ModuleDiff.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

OverwriteDialog::OverwriteDialog(const QString& target, const QString& oldText,
                                 const QString& newText, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frm_Overwrite"));
    setWindowTitle(QStringLiteral("Moduldatei überschreiben?"));
    auto* question = new QLabel(
        QStringLiteral("Die Datei \"%1\" gibt es schon, mit anderem Inhalt. Rot steht, was "
                       "wegfällt, grün, was neu geschrieben wird.")
            .arg(target),
        this);
    question->setWordWrap(true);
    auto* diff = new DiffView(this);
    diff->showTexts(oldText, newText);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* overwrite =
        buttons->addButton(QStringLiteral("&Überschreiben"), QDialogButtonBox::AcceptRole);
    overwrite->setObjectName(QStringLiteral("but_Overwrite"));
    overwrite->setAutoDefault(false);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addWidget(diff, 1);
    layout->addWidget(buttons);
    resize(1000, 650);
}
