#include "platform/ui/CWinThread.h"

#include <algorithm>
#include <chrono>
#include <vector>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {

// The self-deleting workers, reaped on the user-interface thread.
std::mutex g_workersMutex;
std::vector<CWinThread*> g_workers;

} // namespace

CWinThread::CWinThread() = default;

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam) {}

CWinThread::~CWinThread() {
    if (m_thread.joinable()) {
        if (m_thread.get_id() == std::this_thread::get_id())
            m_thread.detach();
        else
            m_thread.join();
    }
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT) {
    if (!m_pfnThreadProc || m_started) return FALSE;
    if (!(dwCreateFlags & CREATE_SUSPENDED)) Start();
    return TRUE;
}

DWORD CWinThread::ResumeThread() {
    if (m_started) return 0;
    Start();
    return 1;
}

void CWinThread::Start() {
    m_started = true;
    m_thread = std::thread([this]() {
        const UINT code = m_pfnThreadProc(m_pThreadParams);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_exitCode = code;
        m_finished = true;
        m_finishedSignal.notify_all();
    });
}

BOOL CWinThread::WaitForExit(DWORD dwMilliseconds) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_started) return FALSE;
    if (dwMilliseconds == INFINITE) {
        m_finishedSignal.wait(lock, [this]() { return m_finished; });
        return TRUE;
    }
    return m_finishedSignal.wait_for(lock, std::chrono::milliseconds(dwMilliseconds),
                                     [this]() { return m_finished; });
}

BOOL CWinThread::IsFinished() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_finished;
}

UINT CWinThread::GetExitCode() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_exitCode;
}

BOOL CWinThread::InitInstance() {
    return FALSE;
}
int CWinThread::ExitInstance() {
    return 0;
}
int CWinThread::Run() {
    return ExitInstance();
}
BOOL CWinThread::OnIdle(LONG) {
    return FALSE;
}
CWnd* CWinThread::GetMainWnd() {
    return m_pMainWnd;
}

void CWinThread::CleanUpFinishedThreads() {
    std::vector<CWinThread*> finished;
    {
        std::lock_guard<std::mutex> lock(g_workersMutex);
        for (auto it = g_workers.begin(); it != g_workers.end();) {
            if ((*it)->IsFinished()) {
                finished.push_back(*it);
                it = g_workers.erase(it);
            } else {
                ++it;
            }
        }
    }
    // Joining a finished thread returns at once. A thread whose owner took it
    // over (m_bAutoDelete cleared after the start) is left to the owner.
    for (CWinThread* thread : finished)
        if (thread->m_bAutoDelete) delete thread;
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int, UINT nStackSize,
                           DWORD dwCreateFlags, void*) {
    CWinThread::CleanUpFinishedThreads();
    auto* thread = new CWinThread(pfnThreadProc, pParam);
    if (!thread->CreateThread(dwCreateFlags, nStackSize)) {
        delete thread;
        return nullptr;
    }
    if (thread->m_bAutoDelete) {
        std::lock_guard<std::mutex> lock(g_workersMutex);
        g_workers.push_back(thread);
    }
    return thread;
}
