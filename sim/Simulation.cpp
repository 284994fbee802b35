#include "Simulation.h"

void CSimulation::InitialUpdate() {}
void CSimulation::Step() {}
