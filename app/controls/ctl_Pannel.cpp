#include "ctl_Pannel.h"

ctl_Pannel::ctl_Pannel(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}
