#pragma once
// Threads. The application is the user-interface thread's object; a worker
// thread runs a procedure with one parameter (AfxBeginThread). Worker threads
// never touch windows directly: they post messages to window handles, which the
// user-interface thread handles in order.
#include "platform/ui/CCmdTarget.h"

#include <condition_variable>
#include <mutex>
#include <thread>

class CWnd;

using AFX_THREADPROC = UINT (*)(LPVOID);

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    ~CWinThread() override;
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    // The thread's main window (for the application: the main frame).
    CWnd* m_pMainWnd = nullptr;
    // A worker thread object is deleted after its procedure returned.
    BOOL m_bAutoDelete = TRUE;

    // Starts the worker (CREATE_SUSPENDED waits for ResumeThread).
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0);
    DWORD ResumeThread();
    // Waits until the procedure has returned; FALSE when the time ran out first.
    BOOL WaitForExit(DWORD dwMilliseconds = INFINITE);
    BOOL IsFinished() const;
    UINT GetExitCode() const;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    virtual BOOL OnIdle(LONG lCount);
    virtual CWnd* GetMainWnd();

    // Joins and deletes the self-deleting workers that have finished.
    static void CleanUpFinishedThreads();

protected:
    AFX_THREADPROC m_pfnThreadProc = nullptr;
    LPVOID m_pThreadParams = nullptr;

private:
    void Start();

    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_finishedSignal;
    bool m_started = false;
    bool m_finished = false;
    UINT m_exitCode = 0;
};

// Starts a worker thread on the procedure; the object deletes itself some time
// after the procedure returned (call WaitForExit before that if you need it).
CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                           int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                           DWORD dwCreateFlags = 0, void* lpSecurityAttrs = nullptr);
