#pragma once

#include <QWidget>

class QVBoxLayout;
class ctl_Button;

// A vertical bar of buttons that reports the pressed one by its key text, so the owner
// handles all of them in one place.
class ctl_CmdBar : public QWidget {
    Q_OBJECT
public:
    explicit ctl_CmdBar(QWidget* parent = nullptr);

    // The button's object name is "but_" + key, so it can be found by its key.
    ctl_Button* addButton(const QString& key, const QString& caption);
    ctl_Button* button(const QString& key) const;

signals:
    void buttonClicked(const QString& key);

private:
    QVBoxLayout* m_layout;
};
