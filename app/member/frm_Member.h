#pragma once

#include "app/controls/FieldBinding.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class cls_Member;
class ctl_CmdBar;
struct AppState;

// Edits one member of the current template in place: OK writes the controls into vMember
// and marks the template changed; Abort (or closing the window) leaves it untouched.
class frm_Member : public QDialog {
    Q_OBJECT
public:
    frm_Member(AppState& app, std::shared_ptr<cls_Member> member, QWidget* parent = nullptr);

    const std::shared_ptr<cls_Member> vMember;

    QLineEdit* txt_Name;
    QComboBox* txt_Type;
    QCheckBox* opt_Public;
    QCheckBox* opt_Array;
    QCheckBox* opt_DataID;
    QCheckBox* opt_NotBound;
    QCheckBox* opt_Child;
    ctl_CmdBar* bar_Buttons;
    QLabel* lbl_Findings; // what the checks find in the member as typed

private slots:
    void bar_Buttons_ButtonClick(const QString& key);

private:
    void createControls();
    void createBindings();
    void createLayout();
    void connectFlagRules();
    void loadMember();
    void confirm();
    void connectFindings();
    void showFindings();
    void explainFlags();
    static QStringList flagHelp();

    AppState& m_app;
    QList<FieldBinding<cls_Member>> m_fields;
};
