#pragma once

#include <QFrame>

// A thin sunken line between groups of controls.
class ctl_Seperator : public QFrame {
    Q_OBJECT
public:
    explicit ctl_Seperator(Qt::Orientation orientation = Qt::Horizontal, QWidget* parent = nullptr);
};
