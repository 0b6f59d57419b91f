#pragma once
// The message viewer's and the copy comment's templates, controls and pictures.
#include "platform/ui/WinUi.h"

constexpr UINT IDD_COPY_COMMENT = 250;
constexpr UINT IDD_MESSAGE_VIEWER = 251;
constexpr UINT IDB_MESSAGE_STATUS = 253;
constexpr UINT IDI_MESSAGE_DOWNLOAD = 254;
constexpr UINT IDI_MESSAGE_OPEN_LINK = 255;

constexpr UINT IDC_MESSAGE_TEXT = 1650;
constexpr UINT IDC_MESSAGE_COPY = 1652;
constexpr UINT IDC_MESSAGE_SHOW_OBSOLETE = 1653;
constexpr UINT IDC_MESSAGE_NO_AUTO_DOWNLOAD = 1654;
constexpr UINT IDC_MESSAGE_DOWNLOAD = 1655;
constexpr UINT IDC_MESSAGE_OPEN_LINK = 1656;
constexpr UINT IDC_COPY_COMMENT_DONT_SHOW = 1657;
constexpr UINT IDC_MESSAGE_DOCUMENTS = 1658;
constexpr UINT IDC_MESSAGE_LINKS = 1659;

class CResources;
// The message viewer, the copy comment and their pictures; part of RegisterStrakonResources.
void AddMessageDialogs(CResources& r);
