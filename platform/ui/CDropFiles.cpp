#include "platform/ui/CDropFiles.h"

#include "platform/ui/CWnd.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <cstring>

struct HDROP__ {
    std::vector<CString> paths;
};

namespace {

constexpr const char* kFilterName = "strakon-drop-files";

std::vector<CString> localFiles(const QMimeData* data) {
    std::vector<CString> paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

// Turns the widget's drops of local files into the window's WM_DROPFILES.
class ADropFilter : public QObject {
public:
    ADropFilter(QWidget* widget, HWND hWnd) : QObject(widget), m_hWnd(hWnd) { setObjectName(kFilterName); }

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (localFiles(drag->mimeData()).empty()) return false;
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            std::vector<CString> paths = localFiles(drop->mimeData());
            if (paths.empty()) return false;
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            // The receiver releases the handle.
            if (CWnd* wnd = CWnd::FromHandle(m_hWnd))
                wnd->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(AfxMakeDropHandle(paths)), 0);
            return true;
        }
        default:
            return false;
        }
    }

private:
    HWND m_hWnd;
};

} // namespace

void AfxDragAcceptFiles(CWnd* pWnd, BOOL bAccept) {
    QWidget* widget = pWnd ? pWnd->GetWidget() : nullptr;
    if (!widget) return;
    QObject* filter = widget->findChild<QObject*>(kFilterName, Qt::FindDirectChildrenOnly);
    if (bAccept && !filter) widget->installEventFilter(new ADropFilter(widget, pWnd->GetSafeHwnd()));
    if (!bAccept && filter) delete filter;
    widget->setAcceptDrops(bAccept != FALSE);
}

HDROP AfxMakeDropHandle(const std::vector<CString>& paths) {
    return new HDROP__{paths};
}

UINT DragQueryFile(HDROP hDrop, UINT iFile, char* lpszFile, UINT cch) {
    if (!hDrop) return 0;
    if (iFile == 0xFFFFFFFF) return static_cast<UINT>(hDrop->paths.size());
    if (iFile >= hDrop->paths.size()) return 0;
    const CString& path = hDrop->paths[iFile];
    if (lpszFile && cch > 0) {
        const std::size_t n = std::min<std::size_t>(path.size(), cch - 1);
        std::memcpy(lpszFile, path.data(), n);
        lpszFile[n] = '\0';
    }
    return static_cast<UINT>(path.size());
}

CString AfxDragQueryFile(HDROP hDrop, UINT iFile) {
    if (!hDrop || iFile >= hDrop->paths.size()) return {};
    return hDrop->paths[iFile];
}

void DragFinish(HDROP hDrop) {
    delete hDrop;
}
