#include "PlantHiddenText.h"

#include <QCoreApplication>

QString PlantHiddenText() {
    return QCoreApplication::translate("PlantHiddenText", "planta oculta");
}
