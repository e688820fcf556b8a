#pragma once

#include <QObject>

// The rules of the generator that are easy to get wrong, one row per situation.
class GeneratorRulesTest : public QObject {
    Q_OBJECT

private slots:
    void firstLine_data();
    void firstLine();
    void separatorLine();
    void isValueType_data();
    void isValueType();
    void controlName_data();
    void controlName();
    void declaredType_data();
    void declaredType();
    void sectionConditions_data();
    void sectionConditions();
    void objectMemberCounter_data();
    void objectMemberCounter();
    void listSeparatorCut_data();
    void listSeparatorCut();
    void customSectionEnd_data();
    void customSectionEnd();
    void templateUnchanged();
    void encoding_data();
    void encoding();
    void moduleFileWritesEncodedBytes();
    void moduleFileFailureKeepsTarget();
};
