#include "controls/report/AMetaFileRectPic.h"

#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "platform/gdi/CDC.h"
#include "platform/storage/ProgramPaths.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A new, empty file "MWM<unique>.tmp" of the process's temporary folder, made
// exclusively so that no two pictures ever share one; empty when none can be made.
fs::path uniquePictureFile() {
    const fs::path folder = programpaths::processTempFolder();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = (folder / "MWMXXXXXX").string();
        const int fd = ::mkstemp(name.data());
        if (fd < 0) return {};
        ::close(fd);
        fs::path target = name + ".tmp";
        // The name with its extension must be free too; O_EXCL claims it.
        const int fd2 = ::open(target.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        std::error_code ec;
        fs::remove(name, ec);
        if (fd2 >= 0) {
            ::close(fd2);
            return target;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}

bool processIsAlive(pid_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

} // namespace

AMetaFileRectPic::~AMetaFileRectPic() {
    m_recorder.reset();
    if (!m_path.empty()) {
        std::error_code ec;
        fs::remove(m_path, ec);
    }
}

CMetaFileDC* AMetaFileRectPic::OpenMetaFileDC(CDC* reference) {
    m_recorder.reset();
    m_memory.reset();
    if (m_path.empty()) m_path = uniquePictureFile();
    m_recorder = std::make_unique<CMetaFileDC>(reference);
    return m_recorder.get();
}

void AMetaFileRectPic::CloseMetaFileDC() {
    if (!m_recorder) return;
    CMetaFile picture = m_recorder->Close();
    m_recorder.reset();
    if (!m_path.empty()) {
        try {
            picture.Save(m_path);
            return;
        } catch (...) {
            // Kept in memory below: the picture prints all the same.
        }
    }
    m_memory = std::move(picture);
}

void AMetaFileRectPic::SetCaption(const CString& text) {
    m_caption.Clear();
    m_caption.Add(text);
    m_caption.Lock(true);
}

int AMetaFileRectPic::captionRoom() const {
    if (m_caption.IsEmpty() || m_caption.GetLines().empty()) return 0;
    return m_caption.GetLines().back().baseline + 20;
}

void AMetaFileRectPic::BeforeLayout(CDC* dc, APrintManager* composer) {
    m_layoutSize = m_size;
    if (!m_caption.IsEmpty()) {
        m_caption.BeforeLayout(dc, composer);
        const int h = m_caption.GetLines().back().baseline;
        m_layoutSize.cy = -(std::abs(m_layoutSize.cy) + h);
    }
}

CSize AMetaFileRectPic::GetSize(CDC*) {
    return m_layoutSize;
}

bool AMetaFileRectPic::playAt(CDC* dc, CPoint origin) const {
    if (m_memory) return m_memory->Play(*dc, origin);
    if (m_path.empty()) return false;
    try {
        return CMetaFile::Load(m_path).Play(*dc, origin);
    } catch (...) {
        return false;
    }
}

bool AMetaFileRectPic::Draw(CDC* dc, CPoint p) const {
    const int saved = dc->SaveDC();
    CPoint origin = p;
    if (!m_caption.IsEmpty()) {
        m_caption.Draw(dc, p);
        origin.y -= captionRoom();
    }
    // A recorded drawing may reach beyond its rectangle (a load's label beside
    // the structure); it must not write over the text around the picture.
    dc->IntersectClipRect(origin.x, origin.y, origin.x + std::abs(m_size.cx), origin.y - std::abs(m_size.cy));
    const bool played = playAt(dc, origin);
    dc->RestoreDC(saved);
    return played;
}

void AMetaFileRectPic::CleanTempFiles() {
    std::error_code ec;
    const fs::path own = programpaths::processTempFolder();
    for (const auto& entry : fs::directory_iterator(own, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("MWM", 0) == 0 && entry.path().extension() == ".tmp") fs::remove(entry.path(), ec);
    }
    // The folders of runs that ended without tidying up (a crash, a kill):
    // "strakon-<pid>-*" of this user whose process no longer runs.
    const fs::path system = own.parent_path();
    for (const auto& entry : fs::directory_iterator(system, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("strakon-", 0) != 0 || entry.path() == own) continue;
        const std::size_t dash = name.find('-', 8);
        if (dash == std::string::npos) continue;
        const pid_t pid = static_cast<pid_t>(std::atol(name.substr(8, dash - 8).c_str()));
        struct stat info;
        if (::lstat(entry.path().c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
            continue;
        if (pid <= 0 || processIsAlive(pid)) continue;
        fs::remove_all(entry.path(), ec);
    }
}

// ---------------------------------------------------------------------------

int AMetaFileRectPicMap::SetMap(omRect world, APrintManager* composer, int perPage) {
    m_map.UnionRect(world);
    CRect body(0, 0, 0, 0);
    if (composer && composer->GetPaper()) body = composer->GetPaper()->Body(true);
    const int roomWidth = body.Width();
    int roomHeight = std::abs(body.Height());
    if (perPage > 1) {
        const int separation = composer ? composer->GetMinVerSep() : 0;
        roomHeight = (roomHeight - (perPage - 1) * (separation + 2)) / perPage;
    }
    if (!m_caption.IsEmpty()) {
        CDC* measure = m_recorder ? static_cast<CDC*>(m_recorder.get()) : nullptr;
        if (measure) {
            m_caption.BeforeLayout(measure, composer);
            roomHeight -= m_caption.GetLines().back().baseline + 20;
        }
    }
    roomHeight = std::max(roomHeight, 0);
    const double ww = std::fabs(world.right - world.left);
    const double wh = std::fabs(world.top - world.bottom);
    // A world without width or height (one node) is scaled by its other side;
    // without either it takes the room's width and no height.
    double scale;
    if (ww > 0.0 && wh > 0.0)
        scale = std::min(roomWidth / ww, roomHeight / wh);
    else if (ww > 0.0)
        scale = roomWidth / ww;
    else if (wh > 0.0)
        scale = roomHeight / wh;
    else
        scale = 0.0;
    int width = static_cast<int>(scale * ww);
    const int height = static_cast<int>(scale * wh);
    if (ww == 0.0 && wh == 0.0) width = roomWidth;
    m_picture = CSize(width, height);
    m_map.SetMap_wc_tl(world, CRect(0, 0, width, -height), AMapC2L::posCenter, AMapC2L::posCenter);
    const int caption =
        m_caption.IsEmpty() || m_caption.GetLines().empty() ? 0 : m_caption.GetLines().back().baseline;
    m_size = CSize(width, -(height + caption));
    m_layoutSize = m_size;
    return width;
}

void AMetaFileRectPicMap::BeforeLayout(CDC* dc, APrintManager* composer) {
    if (!m_caption.IsEmpty()) m_caption.BeforeLayout(dc, composer);
    m_layoutSize = m_size;
}

bool AMetaFileRectPicMap::Draw(CDC* dc, CPoint p) const {
    const int saved = dc->SaveDC();
    CPoint origin = p;
    if (!m_caption.IsEmpty()) {
        m_caption.Draw(dc, p);
        origin.y -= captionRoom();
    }
    if (m_drawBorder) dc->Rectangle(origin.x, origin.y, origin.x + m_picture.cx, origin.y - m_picture.cy);
    // The drawing stays inside its frame, whatever it recorded beyond it.
    dc->IntersectClipRect(origin.x, origin.y, origin.x + m_picture.cx, origin.y - m_picture.cy);
    const bool played = playAt(dc, origin);
    dc->RestoreDC(saved);
    return played;
}
