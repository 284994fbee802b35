#include "VorlintDoc.h"

void CVorlintDoc::Serialize(QIODevice&, bool) {}
