#include "StepClock.h"
