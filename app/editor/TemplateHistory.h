#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QVariant>

class QUndoCommand;
class QUndoStack;
class QWidget;

// The template's edits as steps to undo and redo: a run of typing in one field is one step, so
// is an option, and so is each change to the member list (pushed by the window). A change that
// follows from another (the file name that follows the class name) joins its step. The history
// knows the state that was saved last: undoing or redoing back to it reports the template
// unchanged again.
class TemplateHistory : public QObject {
    Q_OBJECT
public:
    explicit TemplateHistory(QObject* parent = nullptr);

    QUndoStack* stack() const { return m_stack; }

    // Records the edits of this text field or check box; caption names it in the steps.
    void watch(QWidget* control, const QString& caption);
    // A new or opened template: no steps, the controls as they show it now; saved tells
    // whether it is as its file holds it.
    void startFresh(bool saved);
    void markSaved();
    // The template changed outside the steps (a new module target): undoing no longer leads
    // back to the saved state.
    void leaveSavedState();
    // A step of its own, such as a change to the member list; pushing carries it out.
    void push(QUndoCommand* command);
    void undo();
    void redo();
    bool isSaved() const;

    // While one lives, control changes are not recorded: the window fills its controls.
    class Pause {
    public:
        explicit Pause(TemplateHistory& history) : m_history(history) { ++m_history.m_paused; }
        ~Pause() { --m_history.m_paused; }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        TemplateHistory& m_history;
    };

    // While one lives, control changes join the step just recorded.
    class Following {
    public:
        explicit Following(TemplateHistory& history) : m_history(history) {
            ++m_history.m_following;
        }
        ~Following() { --m_history.m_following; }
        Following(const Following&) = delete;
        Following& operator=(const Following&) = delete;

    private:
        TemplateHistory& m_history;
    };

signals:
    // The template is, or no longer is, as it was saved last.
    void savedStateChanged(bool saved);

private:
    friend class FieldEdit;

    void controlChanged(QWidget* control);
    void setValue(QWidget* control, const QVariant& value);
    // Typing goes into the open step only within one run: a change of focus, an undo or any
    // other step ends it.
    void endRun() { ++m_run; }

    QUndoStack* m_stack;
    QHash<QWidget*, QString> m_captions;
    QHash<QWidget*, QVariant> m_values;
    quint64 m_run = 0;
    int m_paused = 0;
    int m_following = 0;
};
