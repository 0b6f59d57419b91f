// Structure-wizard plug-ins for the New page's tests, one source built four ways:
// a good one with a preview and an icon, one whose name fills the whole buffer
// without a zero byte, one that refuses, and one without the entry point.
#include "app/shell/StructureWizardPlugin.h"

#include <cstdlib>
#include <cstring>

namespace {

StrakonWizardPicture Copy(const char* text) {
    const size_t size = std::strlen(text);
    void* data = std::malloc(size);
    std::memcpy(data, text, size);
    return {data, size};
}

const char* const kPreview =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" height=\"96\">"
    "<rect width=\"128\" height=\"96\" fill=\"#ffffff\"/>"
    "<path d=\"M16 80V24H112V80M16 52H112\" fill=\"none\" stroke=\"#a03020\" stroke-width=\"5\"/></svg>";
const char* const kIcon = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\">"
                          "<rect x=\"2\" y=\"2\" width=\"12\" height=\"12\" fill=\"#a03020\"/></svg>";

} // namespace

#ifndef STRAKON_TEST_WIZARD_NO_ENTRY
extern "C" __attribute__((visibility("default"))) int
GetStructureWizardInfo(char* name, StrakonWizardPicture* preview, StrakonWizardPicture* icon) {
#if defined(STRAKON_TEST_WIZARD_REFUSES)
    (void)name;
    (void)preview;
    (void)icon;
    return 0;
#elif defined(STRAKON_TEST_WIZARD_UNTERMINATED)
    std::memset(name, 'W', STRAKON_WIZARD_NAME_SIZE);
    *preview = {nullptr, 0};
    *icon = {nullptr, 0};
    return 1;
#else
    std::strcpy(name, "Arch Frame Wizard");
    *preview = Copy(kPreview);
    *icon = Copy(kIcon);
    return 1;
#endif
}
#endif
