#pragma once

#include <QDialog>

class DiffView;

// Asked before "In Datei" replaces a module file whose bytes differ from the template's
// module, with the difference in view. "Abbrechen" is the default: Return and Escape keep the
// file.
class OverwriteDialog : public QDialog {
    Q_OBJECT
public:
    OverwriteDialog(const QString& target, const QString& oldText, const QString& newText,
                    QWidget* parent = nullptr);
};
