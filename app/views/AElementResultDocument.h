#pragma once
// What the element result sheet needs of its structure document, which implements it.
class ADesignElementResultPage;
class omStrakon;

class AElementResultDocument {
public:
    virtual ~AElementResultDocument();
    // The structure whose members the sheet shows.
    virtual omStrakon* GetResultStructure() = 0;
    // 1 to 1000 a load case, above 1000 an envelope (number + 1000).
    virtual int GetActiveResultCase() const = 0;
    // The open page, which the document tells of a new active case; null when it closes.
    virtual void SetElementResultPage(ADesignElementResultPage* page) = 0;
};
