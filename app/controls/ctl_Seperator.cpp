#include "ctl_Seperator.h"

ctl_Seperator::ctl_Seperator(Qt::Orientation orientation, QWidget* parent) : QFrame(parent) {
    setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    setFrameShadow(QFrame::Sunken);
}
