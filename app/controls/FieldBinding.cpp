#include "FieldBinding.h"

#include "CustomCodeEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

void setControlText(QWidget* control, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(control))
        line->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        combo->setCurrentText(text);
    else if (auto* custom = qobject_cast<CustomCodeEdit*>(control))
        custom->setHostText(text);
}

QString controlText(const QWidget* control) {
    if (const auto* line = qobject_cast<const QLineEdit*>(control))
        return line->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    if (const auto* custom = qobject_cast<const CustomCodeEdit*>(control))
        return custom->hostText();
    return QString();
}

void setTicked(QWidget* control, bool ticked) {
    if (auto* option = qobject_cast<QCheckBox*>(control))
        option->setChecked(ticked);
}

bool isTicked(const QWidget* control) {
    const auto* option = qobject_cast<const QCheckBox*>(control);
    return option && option->checkState() != Qt::Unchecked;
}
