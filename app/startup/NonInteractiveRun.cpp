#include "NonInteractiveRun.h"

#include <QString>

bool nonInteractiveRun() {
    return qEnvironmentVariable("CLASSSHAPER_NONINTERACTIVE") == QLatin1String("1");
}
