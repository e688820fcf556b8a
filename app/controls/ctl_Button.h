#pragma once

#include <QPushButton>

// A push button with a caption; a mnemonic in the caption ("&Hinzufügen") works as Alt+key.
class ctl_Button : public QPushButton {
    Q_OBJECT
public:
    explicit ctl_Button(const QString& caption, QWidget* parent = nullptr);
};
