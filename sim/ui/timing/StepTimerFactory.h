#pragma once

#include "StepTimer.h"

#include <memory>

/// The best step timer of the platform: a kernel interval timer where there is one, else a QTimer.
std::unique_ptr<CStepTimer> CreateStepTimer();
