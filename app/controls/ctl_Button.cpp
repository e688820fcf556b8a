#include "ctl_Button.h"

ctl_Button::ctl_Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setMinimumWidth(96);
}
