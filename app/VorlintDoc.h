#pragma once

#include "Document.h"

/// A Vorlint document. All simulation state lives in the views, so a document has nothing to keep:
/// its file is written empty and read without looking at its content.
class CVorlintDoc : public CDocument {
public:
    using CDocument::CDocument;

protected:
    void Serialize(QIODevice& file, bool storing) override;
};
