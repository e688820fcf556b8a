#include "TemplateHistory.h"

#include "controls/CustomCodeEdit.h"
#include "controls/FieldBinding.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QUndoStack>

namespace {

QVariant valueOf(const QWidget* control) {
    if (qobject_cast<const QCheckBox*>(control))
        return isTicked(control);
    return controlText(control);
}

QString stepText(const QString& caption, const QVariant& after) {
    if (after.typeId() == QMetaType::Bool)
        return after.toBool() ? QStringLiteral("„%1“ einschalten").arg(caption)
                              : QStringLiteral("„%1“ ausschalten").arg(caption);
    return QStringLiteral("%1 ändern").arg(caption);
}

} // namespace

// The values of one or more controls before and after one user action, or a run of typing.
class FieldEdit : public QUndoCommand {
public:
    struct Change {
        QPointer<QWidget> control;
        QVariant before;
        QVariant after;
    };

    FieldEdit(TemplateHistory& history, Change change, bool follows, quint64 run)
        : m_history(history), m_follows(follows), m_run(run) {
        setText(stepText(history.m_captions.value(change.control), change.after));
        m_changes.append(std::move(change));
    }

    int id() const override { return 1; }

    // A change that follows from this one joins it; so do the keystrokes of one run of typing
    // in the same fields.
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const FieldEdit*>(other);
        if (next->m_follows) {
            for (const Change& change : next->m_changes)
                absorb(change);
            return true;
        }
        if (next->m_run != m_run || !isTyping() || !next->isTyping())
            return false;
        for (const Change& change : next->m_changes)
            if (!touches(change.control))
                return false;
        for (const Change& change : next->m_changes)
            absorb(change);
        return true;
    }

    // The edit has happened in the controls already when the step is recorded.
    void redo() override {
        if (m_done) {
            m_done = false;
            return;
        }
        for (const Change& change : std::as_const(m_changes))
            m_history.setValue(change.control, change.after);
    }

    void undo() override {
        for (auto change = m_changes.crbegin(); change != m_changes.crend(); ++change)
            m_history.setValue(change->control, change->before);
    }

private:
    bool isTyping() const {
        for (const Change& change : m_changes)
            if (change.after.typeId() == QMetaType::Bool)
                return false;
        return true;
    }
    bool touches(const QWidget* control) const {
        for (const Change& change : m_changes)
            if (change.control == control)
                return true;
        return false;
    }
    void absorb(const Change& change) {
        for (Change& known : m_changes)
            if (known.control == change.control) {
                known.after = change.after;
                return;
            }
        m_changes.append(change);
    }

    TemplateHistory& m_history;
    QList<Change> m_changes;
    bool m_follows;
    quint64 m_run;
    bool m_done = true;
};

TemplateHistory::TemplateHistory(QObject* parent) : QObject(parent), m_stack(new QUndoStack(this)) {
    connect(m_stack, &QUndoStack::cleanChanged, this, &TemplateHistory::savedStateChanged);
    connect(qApp, &QApplication::focusChanged, this, [this] { endRun(); });
}

void TemplateHistory::watch(QWidget* control, const QString& caption) {
    m_captions.insert(control, QString(caption).remove(QLatin1Char('&')));
    m_values.insert(control, valueOf(control));
    const auto changed = [this, control] { controlChanged(control); };
    if (auto* line = qobject_cast<QLineEdit*>(control))
        connect(line, &QLineEdit::textChanged, this, changed);
    else if (auto* option = qobject_cast<QCheckBox*>(control))
        connect(option, &QCheckBox::toggled, this, changed);
    else if (auto* custom = qobject_cast<CustomCodeEdit*>(control))
        connect(custom, &QPlainTextEdit::textChanged, this, changed);
}

void TemplateHistory::controlChanged(QWidget* control) {
    const QVariant before = m_values.value(control);
    const QVariant after = valueOf(control);
    m_values.insert(control, after);
    if (m_paused > 0 || before == after)
        return;
    m_stack->push(new FieldEdit(*this, {control, before, after}, m_following > 0, m_run));
}

// Showing a step's value is no new step (the control's change handler still records the value
// it now shows); the field it is in gets the focus.
void TemplateHistory::setValue(QWidget* control, const QVariant& value) {
    if (!control)
        return;
    const Pause pause(*this);
    if (value.typeId() == QMetaType::Bool)
        setTicked(control, value.toBool());
    else
        setControlText(control, value.toString());
    control->setFocus(Qt::OtherFocusReason);
}

void TemplateHistory::startFresh(bool saved) {
    // The controls' change handlers have already recorded what they show.
    m_stack->clear();
    if (!saved)
        m_stack->resetClean();
}

// QUndoStack never merges a step into the saved one, so typing on after a save starts a step.
void TemplateHistory::markSaved() {
    m_stack->setClean();
}

void TemplateHistory::leaveSavedState() {
    m_stack->resetClean();
}

void TemplateHistory::undo() {
    endRun();
    m_stack->undo();
}

void TemplateHistory::redo() {
    endRun();
    m_stack->redo();
}

void TemplateHistory::push(QUndoCommand* command) {
    endRun();
    m_stack->push(command);
}

bool TemplateHistory::isSaved() const {
    return m_stack->isClean();
}
