#pragma once
// The framework's own command, control and string ids. The program's resources
// use these numbers for the standard commands (File New is 57600, Undo 57643,
// the recent files 57616 to 57631, ...) and the framework's prompts.
#include "platform/core/WinTypes.h"

constexpr UINT ID_SEPARATOR = 0;

// Standard commands.
constexpr UINT ID_FILE_NEW = 0xE100;
constexpr UINT ID_FILE_OPEN = 0xE101;
constexpr UINT ID_FILE_CLOSE = 0xE102;
constexpr UINT ID_FILE_SAVE = 0xE103;
constexpr UINT ID_FILE_SAVE_AS = 0xE104;
constexpr UINT ID_FILE_PAGE_SETUP = 0xE105;
constexpr UINT ID_FILE_PRINT_SETUP = 0xE106;
constexpr UINT ID_FILE_PRINT = 0xE107;
constexpr UINT ID_FILE_PRINT_DIRECT = 0xE108;
constexpr UINT ID_FILE_PRINT_PREVIEW = 0xE109;
constexpr UINT ID_FILE_MRU_FILE1 = 0xE110;
constexpr UINT ID_FILE_MRU_FILE16 = 0xE11F;
constexpr UINT ID_EDIT_CLEAR = 0xE120;
constexpr UINT ID_EDIT_COPY = 0xE122;
constexpr UINT ID_EDIT_CUT = 0xE123;
constexpr UINT ID_EDIT_PASTE = 0xE125;
constexpr UINT ID_EDIT_SELECT_ALL = 0xE12A;
constexpr UINT ID_EDIT_UNDO = 0xE12B;
constexpr UINT ID_EDIT_REDO = 0xE12C;
constexpr UINT ID_WINDOW_NEW = 0xE130;
constexpr UINT ID_WINDOW_ARRANGE = 0xE131;
constexpr UINT ID_WINDOW_CASCADE = 0xE132;
constexpr UINT ID_WINDOW_TILE_HORZ = 0xE133;
constexpr UINT ID_WINDOW_TILE_VERT = 0xE134;
constexpr UINT ID_APP_ABOUT = 0xE140;
constexpr UINT ID_APP_EXIT = 0xE141;
constexpr UINT ID_HELP_INDEX = 0xE142;
constexpr UINT ID_HELP_FINDER = 0xE143;
constexpr UINT ID_CONTEXT_HELP = 0xE145;
constexpr UINT ID_HELP = 0xE146;
constexpr UINT ID_DEFAULT_HELP = 0xE147;
constexpr UINT ID_NEXT_PANE = 0xE150;
constexpr UINT ID_PREV_PANE = 0xE151;
constexpr UINT ID_PREVIEW_CLOSE = 0xE300;
constexpr UINT ID_VIEW_TOOLBAR = 0xE800;
constexpr UINT ID_VIEW_STATUS_BAR = 0xE801;

// Dialog answers used as command ids.
constexpr UINT ID_WIZBACK = 0x3023;
constexpr UINT ID_WIZNEXT = 0x3024;
constexpr UINT ID_WIZFINISH = 0x3025;

// Status-bar indicators.
constexpr UINT ID_INDICATOR_CAPS = 0xE701;
constexpr UINT ID_INDICATOR_NUM = 0xE702;
constexpr UINT ID_INDICATOR_SCRL = 0xE703;

// Control ids of the frame's parts.
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
constexpr UINT AFX_IDW_STATUS_BAR = 0xE801;
constexpr UINT AFX_IDW_DOCKBAR_TOP = 0xE81B;
constexpr UINT AFX_IDW_DOCKBAR_LEFT = 0xE81C;
constexpr UINT AFX_IDW_DOCKBAR_RIGHT = 0xE81D;
constexpr UINT AFX_IDW_DOCKBAR_BOTTOM = 0xE81E;
constexpr UINT AFX_IDW_PANE_FIRST = 0xE900;
// MDI children take the ids from here on, in the order they were created.
constexpr UINT AFX_IDM_FIRST_MDICHILD = 0xFF00;

// The framework's strings.
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;
constexpr UINT AFX_IDS_IDLEMESSAGE = 0xE001;
constexpr UINT AFX_IDS_OPENFILE = 0xF000;
constexpr UINT AFX_IDS_SAVEFILE = 0xF001;
constexpr UINT AFX_IDS_ALLFILTER = 0xF002;
constexpr UINT AFX_IDS_UNTITLED = 0xF003;
constexpr UINT AFX_IDP_INVALID_FILENAME = 0xF100;
constexpr UINT AFX_IDP_FAILED_TO_OPEN_DOC = 0xF101;
constexpr UINT AFX_IDP_FAILED_TO_SAVE_DOC = 0xF102;
constexpr UINT AFX_IDP_ASK_TO_SAVE = 0xF103;
constexpr UINT AFX_IDP_FAILED_TO_CREATE_DOC = 0xF104;
constexpr UINT AFX_IDP_COMMAND_FAILURE = 0xF109;
constexpr UINT AFX_IDP_PARSE_INT = 0xF110;
constexpr UINT AFX_IDP_PARSE_REAL = 0xF111;
// Texts of the file dialog's own questions.
constexpr UINT AFX_IDP_FILE_NOT_FOUND = 0xF1A0;
constexpr UINT AFX_IDP_PATH_NOT_FOUND = 0xF1A1;
constexpr UINT AFX_IDP_ASK_TO_REPLACE = 0xF1A2;
