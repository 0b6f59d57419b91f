#pragma once
// The message list: "VERSION", "OBSOLETE" and the document blocks. A list is
// taken whole or not at all: any error token, a version above 100, a missing
// "OBSOLETE", an obsolete id that is no 32-bit number, or a failed block
// rejects it, and nothing of it is kept.
#include "app/messages/DocumentItem.h"
#include "app/messages/LexicalAnalysis.h"

#include <memory>
#include <set>
#include <vector>

class DocumentItemParser {
public:
    DocumentItemParser() = default;
    virtual ~DocumentItemParser() = default;

    // One block, from "DOCUMENT" to "END"; nothing when it fails. pos moves past what was read.
    std::unique_ptr<DocumentItem> Parse(tokenreader::Iterator& pos, tokenreader::Iterator end);

    struct List {
        int version = 0;
        std::set<int> obsolete;
        std::vector<std::unique_ptr<DocumentItem>> items;
    };
    // The whole list; false (and an empty list) when it is rejected.
    static bool ParseList(const char* data, std::size_t length, List& list);
    // The tokenizer with the list's keywords and symbols.
    static void Prepare(LexicalAnalysis& lexer);
};
