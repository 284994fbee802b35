#pragma once

#include <QString>

/// What every place that would show the plant's formula or dynamics shows instead while an exercise
/// hides the plant: "planta oculta" in the interface's language.
QString PlantHiddenText();
