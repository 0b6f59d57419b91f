#pragma once
// The design dialogs at work offscreen: the editors' settings and templates,
// the design templates and pictures, scripted dialogs and prompts, and the
// charts the dialogs would paint, recorded.
#include "resources/ui/StrakonDesignIds.h"
#include "tests/app/EditorFixture.h"

#include "platform/gdi/CMetaFile.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

class DesignDialogFixture : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        RegisterStrakonDesignResources();
    }

    // The texts a chart drawing leaves in a recording.
    static std::vector<std::string> TextsOf(const std::function<void(CDC*, const CSize&)>& draw) {
        CMetaFileDC dc;
        draw(&dc, CSize(1800, 600));
        const CMetaFile file = dc.Close();
        std::vector<std::string> texts;
        for (const CMetaRecord& r : file.Records())
            if (r.type == CMetaRecord::Type::textOut) texts.push_back(r.text);
        return texts;
    }
    static bool Has(const std::vector<std::string>& texts, const std::string& text) {
        for (const std::string& t : texts)
            if (t == text) return true;
        return false;
    }
    // The text of every message box so far, each followed by its caption.
    std::vector<std::string> Messages() const {
        std::vector<std::string> all;
        for (const CMessageBoxRequest& m : prompts.MessageBoxes())
            all.push_back(m.text + " | " + m.caption);
        return all;
    }
};
