#pragma once
// The descriptive texts of one structure, which the printed front page shows
// and edits; kept in the structure file.
#include "common/AStorageBase.h"
#include "platform/core/CString.h"

class ADocAttributes : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
public:
    // The author starts as the options' personal name.
    ADocAttributes();
    ADocAttributes(const ADocAttributes&) = default;
    ADocAttributes& operator=(const ADocAttributes&) = default;
    ~ADocAttributes() override;

    // The file field's name after its last "/" or "\"; the whole field when it has neither.
    CString GetFileName() const;

    CString author;
    CString project;
    CString keywords;
    CString title;
    CString subtitle;
    CString investor;
    CString comment;
    CString file; // the document's path
};
