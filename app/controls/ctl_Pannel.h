#pragma once

#include <QGroupBox>

// A captioned panel that groups the controls of one topic.
class ctl_Pannel : public QGroupBox {
    Q_OBJECT
public:
    explicit ctl_Pannel(const QString& caption, QWidget* parent = nullptr);
};
