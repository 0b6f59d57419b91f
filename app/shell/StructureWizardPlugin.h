#pragma once
/* The entry point of a structure-wizard plug-in: a shared object named *.mwf in
 * the "Wizards" folder beside the program, exporting this C function.
 *
 *   int GetStructureWizardInfo(char name[100], StrakonWizardPicture* preview,
 *                              StrakonWizardPicture* icon);
 *
 * On success (a non-zero result) the plug-in has written the display name into
 * name (at most 100 bytes are read, a zero byte ends it earlier) and has set both
 * pictures: each is a block from malloc holding a PNG or SVG file, with its
 * length, or a null block for none. The program owns the blocks from then on and
 * releases them with free; they stay valid after the plug-in is unloaded. The
 * program calls nothing else of the plug-in. */
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct StrakonWizardPicture {
    void* data;  /* from malloc; null for no picture */
    size_t size; /* bytes at data */
} StrakonWizardPicture;

#define STRAKON_WIZARD_NAME_SIZE 100
#define STRAKON_WIZARD_ENTRY_POINT "GetStructureWizardInfo"

typedef int (*GetStructureWizardInfoFunction)(char* name, StrakonWizardPicture* preview,
                                              StrakonWizardPicture* icon);

#ifdef __cplusplus
}
#endif
