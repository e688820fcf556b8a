#pragma once

#include "model/RecordFields.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class QWidget;

// One control and the record field it shows and takes over. The field comes from the
// record's own field table (model/ClassFields.h, model/MemberFields.h), so the window names
// only the pairing; a window's table of these is the one place that pairs controls with
// fields, and showing and taking over cannot disagree about which control holds which field.
template <typename Record> struct FieldBinding {
    const RecordField<Record>* field;
    QWidget* control;
};

// The binding of control to the field of that name in a record's field table.
template <typename Record, typename Fields>
FieldBinding<Record> bindField(const Fields& fields, const char* name, QWidget* control) {
    for (const RecordField<Record>& field : fields)
        if (qstrcmp(field.name, name) == 0)
            return {&field, control};
    qFatal("No field %s in the record's field table", name);
}

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
        if (binding.field->isText())
            setControlText(binding.control, binding.field->text(record));
        else
            setTicked(binding.control, binding.field->option(record));
    }
}

// Copies every control into its field, unchanged, in table order.
template <typename Record>
void takeOverFields(const QList<FieldBinding<Record>>& bindings, Record& record) {
    for (const FieldBinding<Record>& binding : bindings) {
        if (binding.field->isText())
            binding.field->text(record) = controlText(binding.control);
        else
            binding.field->option(record) = isTicked(binding.control);
    }
}
