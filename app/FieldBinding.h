#pragma once

#include <QList>
#include <QString>
#include <variant>

class QWidget;

// One control and the record field it shows and takes over, the field named as in the
// template file. A window's table of these is the one place that pairs controls with fields,
// so showing and taking over cannot disagree about which control holds which field.
template <typename Record> struct FieldBinding {
    const char* field;
    std::variant<QString Record::*, bool Record::*> value;
    QWidget* control;
};

// Text and ticked state of the controls a binding may hold (line edit, combo box, custom code
// box, check box).
void setControlText(QWidget* control, const QString& text);
QString controlText(const QWidget* control);
void setTicked(QWidget* control, bool ticked);
// Any state other than cleared counts as ticked.
bool isTicked(const QWidget* control);

// Fills the controls in table order; a control's change handlers run as for a user's edit.
template <typename Record>
void showFields(const QList<FieldBinding<Record>>& bindings, const Record& record) {
    for (const FieldBinding<Record>& binding : bindings) {
        if (const auto* text = std::get_if<QString Record::*>(&binding.value))
            setControlText(binding.control, record.*(*text));
        else
            setTicked(binding.control, record.*std::get<bool Record::*>(binding.value));
    }
}

// Copies every control into its field, unchanged, in table order.
template <typename Record>
void takeOverFields(const QList<FieldBinding<Record>>& bindings, Record& record) {
    for (const FieldBinding<Record>& binding : bindings) {
        if (const auto* text = std::get_if<QString Record::*>(&binding.value))
            record.*(*text) = controlText(binding.control);
        else
            record.*std::get<bool Record::*>(binding.value) = isTicked(binding.control);
    }
}
