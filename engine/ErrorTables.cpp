#include "ErrorTables.h"

const char* equationErrorMessage(int) { return nullptr; }
const char* runtimeErrorMessage(int) { return nullptr; }
