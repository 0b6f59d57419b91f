#pragma once
// A structure document in the running program: the application with its main
// frame, output window and status bar, a scripted prompt service, a settings
// store and a calculation log of the test's own, and a view that records the
// update hints it hears.
#include "OutputFrameSupport.h"
#include "SettingsFixture.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "app/shell/CStrakonApp.h"
#include "common/omErrorContainer.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omLogFile.h"
#include "model/omStrakon.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CView.h"

#include <memory>
#include <vector>

class HintView : public CView {
public:
    void OnDraw(CDC*) override {}
    void OnUpdate(CView*, LPARAM lHint, CObject* pHint) override {
        hints.push_back(static_cast<int>(lHint));
        objects.push_back(pHint);
    }
    std::vector<int> hints;
    std::vector<CObject*> objects;
};

class StrakonDocumentFixture : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        omErrorContainer::instance()->reset();
        omLogFile::Instance()->newFileName((logDir.path() / "Strakon.log").string());
        holder = std::make_unique<OutputFrameHolder>(app);
        doc = std::make_unique<AStrakonDocument>();
        doc->AddView(&view);
    }
    void TearDown() override {
        doc->RemoveView(&view);
        doc.reset();
        holder.reset();
        omLogFile::Instance()->close();
        omErrorContainer::instance()->reset();
        SettingsFixture::TearDown();
    }
    omStrakon& model() { return *doc->GetModel(); }
    QString messages() { return holder->messages(); }
    QString log() { return holder->log(); }

    CStrakonApp app;
    CScriptedPromptService prompts;
    TempFolder logDir;
    std::unique_ptr<OutputFrameHolder> holder;
    std::unique_ptr<AStrakonDocument> doc;
    HintView view;
};
