#pragma once

#include <QObject>

// Whole modules, byte for byte, for templates that together use every generator feature.
// CLASSSHAPER_UPDATE_GOLDEN=1 rewrites the expected files instead of comparing.
class GoldenModulesTest : public QObject {
    Q_OBJECT

private slots:
    void module_data();
    void module();
};
