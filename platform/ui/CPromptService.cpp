#include "platform/ui/CPromptService.h"

#include "platform/ui/CMenu.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QThread>

namespace {

CPromptService* g_installed = nullptr;

// Keeps the control it watches hidden and disabled, whatever its dialog does.
class HiddenControlKeeper : public QObject {
public:
    explicit HiddenControlKeeper(QWidget* control) : QObject(control), m_control(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_control) {
            if (event->type() == QEvent::Show)
                QMetaObject::invokeMethod(m_control, [c = m_control] { c->hide(); }, Qt::QueuedConnection);
            if (event->type() == QEvent::EnabledChange && m_control->isEnabled()) m_control->setEnabled(false);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_control;
};

std::vector<int> buttonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

// Which of the buttons is the default one; a default past the last button falls back to the last.
size_t defaultButtonIndex(UINT type, size_t buttonCount) {
    return std::min<size_t>((type & MB_DEFMASK) >> 8, buttonCount - 1);
}

QWidget* dialogParent() {
    if (CWinApp* app = AfxGetApp())
        if (app->m_pMainWnd) return app->m_pMainWnd->GetWidget();
    return QApplication::activeWindow();
}

QString toQt(const CString& s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}
CString fromQt(const QString& s) {
    return CString(s.toUtf8().toStdString());
}

int g_waitCursorCount = 0;

} // namespace

CPromptService::~CPromptService() = default;

CPromptService& CPromptService::Instance() {
    static CQtPromptService qtService;
    return g_installed ? *g_installed : qtService;
}

CPromptService* CPromptService::Install(CPromptService* service) {
    CPromptService* previous = g_installed;
    g_installed = service;
    return previous;
}

// --- Qt ---------------------------------------------------------------------------------------------

int CQtPromptService::MessageBox(const CMessageBoxRequest& request) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(toQt(request.caption));
    box.setText(toQt(request.text));
    switch (request.type & MB_ICONMASK) {
    case MB_ICONHAND:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONEXCLAMATION:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONASTERISK:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    const std::vector<int> answers = buttonsOf(request.type);
    std::vector<QAbstractButton*> buttons;
    for (int answer : answers) {
        QMessageBox::StandardButton b = QMessageBox::Ok;
        switch (answer) {
        case IDCANCEL:
            b = QMessageBox::Cancel;
            break;
        case IDABORT:
            b = QMessageBox::Abort;
            break;
        case IDRETRY:
            b = QMessageBox::Retry;
            break;
        case IDIGNORE:
            b = QMessageBox::Ignore;
            break;
        case IDYES:
            b = QMessageBox::Yes;
            break;
        case IDNO:
            b = QMessageBox::No;
            break;
        default:
            break;
        }
        buttons.push_back(box.addButton(b));
    }
    box.setDefaultButton(
        static_cast<QPushButton*>(buttons[defaultButtonIndex(request.type, buttons.size())]));
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return answers[i];
    // Closed without a button: the answer of Escape.
    for (int answer : answers)
        if (answer == IDCANCEL) return IDCANCEL;
    return answers.size() == 1 ? answers.front() : (answers.back() == IDNO ? IDNO : answers.front());
}

void CQtPromptService::MessageBeep(UINT) {
    QApplication::beep();
}

bool CQtPromptService::ChooseColor(COLORREF& color) {
    const QColor chosen = QColorDialog::getColor(QColor(GetRValue(color), GetGValue(color), GetBValue(color)),
                                                 dialogParent());
    if (!chosen.isValid()) return false;
    color = RGB(chosen.red(), chosen.green(), chosen.blue());
    return true;
}

bool CQtPromptService::ChoosePrinter(CPrintDialogRequest& request) {
    if (!request.printer) return false;
    if (request.setupOnly) {
        QPageSetupDialog dialog(request.printer, dialogParent());
        return dialog.exec() == QDialog::Accepted;
    }
    QPrintDialog dialog(request.printer, dialogParent());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, !request.noSelection);
    dialog.setMinMax(static_cast<int>(request.minPage), static_cast<int>(request.maxPage));
    dialog.setFromTo(static_cast<int>(request.fromPage),
                     static_cast<int>(std::min(request.toPage, request.maxPage)));
    const CPrintDialog* shown = CPrintDialog::Showing();
    for (int id : shown ? shown->GetHiddenControls() : std::vector<int>{}) {
        // The common dialog's controls by their number: 1025 is the printer's Properties button.
        if (id != 1025) continue;
        if (auto* properties = dialog.findChild<QPushButton*>(QStringLiteral("properties"))) {
            // The dialog shows and enables the button again whenever a printer is
            // chosen, its own showing included: it is held hidden and disabled.
            properties->installEventFilter(new HiddenControlKeeper(properties));
            properties->setEnabled(false);
            properties->hide();
        }
    }
    if (dialog.exec() != QDialog::Accepted) return false;
    request.range = dialog.printRange() == QAbstractPrintDialog::PageRange;
    if (request.range) {
        request.fromPage = static_cast<UINT>(dialog.fromPage());
        request.toPage = static_cast<UINT>(dialog.toPage());
    }
    return true;
}

bool CQtPromptService::ChooseFile(const CFileDialogRequest& request, CString& chosenPath) {
    QFileDialog dialog(dialogParent(), toQt(request.title), toQt(request.initialFolder));
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open && (request.flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                                           : QFileDialog::AnyFile);
    // The caller asks before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (request.folder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
    }
    QStringList filters;
    for (const auto& [description, patterns] : request.filters) {
        QString text = toQt(description);
        if (!text.contains('(')) text += " (" + toQt(patterns).replace(';', ' ') + ")";
        filters << text;
    }
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = std::clamp(request.filterIndex, 1, static_cast<int>(filters.size()));
        dialog.selectNameFilter(filters[index - 1]);
    }
    if (!request.fileName.empty()) dialog.selectFile(toQt(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    chosenPath = fromQt(dialog.selectedFiles().front());
    return true;
}

QAction* CQtPromptService::TrackPopupMenu(QMenu* menu, int x, int y) {
    return menu->exec(QPoint(x, y));
}

void CQtPromptService::ShowWaitCursor(bool show) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    // Qt keeps a stack of override cursors; this service keeps at most one on it.
    if (show) {
        if (m_shown)
            QApplication::changeOverrideCursor(Qt::WaitCursor);
        else
            QApplication::setOverrideCursor(Qt::WaitCursor);
        m_shown = true;
    } else if (m_shown) {
        QApplication::restoreOverrideCursor();
        m_shown = false;
    }
}

void CQtPromptService::Sleep(DWORD milliseconds) {
    QThread::msleep(milliseconds);
}

// --- scripted ---------------------------------------------------------------------------------------

CScriptedPromptService::CScriptedPromptService() {
    m_previous = CPromptService::Install(this);
}

CScriptedPromptService::~CScriptedPromptService() {
    CPromptService::Install(m_previous);
}

void CScriptedPromptService::Clear() {
    m_messageBoxes.clear();
    m_fileDialogs.clear();
    m_beeps.clear();
    m_sleeps.clear();
    m_waitCursor.clear();
    m_colorDialogs.clear();
    m_popupMenus = 0;
}

int CScriptedPromptService::DefaultAnswer(UINT type) {
    const std::vector<int> answers = buttonsOf(type);
    return answers[defaultButtonIndex(type, answers.size())];
}

int CScriptedPromptService::MessageBox(const CMessageBoxRequest& request) {
    m_messageBoxes.push_back(request);
    if (!m_messageAnswers.empty()) {
        const int answer = m_messageAnswers.front();
        m_messageAnswers.pop_front();
        return answer;
    }
    if (m_messageHandler) return m_messageHandler(request);
    return DefaultAnswer(request.type);
}

void CScriptedPromptService::MessageBeep(UINT type) {
    m_beeps.push_back(type);
}

bool CScriptedPromptService::ChooseFile(const CFileDialogRequest& request, CString& chosenPath) {
    m_fileDialogs.push_back(request);
    if (m_fileAnswers.empty()) return false;
    std::optional<CString> answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    if (!answer) return false;
    chosenPath = *answer;
    return true;
}

bool CScriptedPromptService::ChoosePrinter(CPrintDialogRequest& request) {
    m_printDialogs.push_back(request);
    if (m_printerAnswers.empty()) return false;
    std::optional<CPrinterAnswer> answer = m_printerAnswers.front();
    m_printerAnswers.pop_front();
    if (!answer) return false;
    if (request.printer) {
        request.printer->setOutputFormat(QPrinter::PdfFormat);
        request.printer->setOutputFileName(QString::fromStdString(answer->pdfPath));
    }
    request.range = answer->fromPage != 0;
    if (request.range) {
        request.fromPage = answer->fromPage;
        request.toPage = answer->toPage;
    }
    return true;
}

QAction* CScriptedPromptService::TrackPopupMenu(QMenu* menu, int, int) {
    ++m_popupMenus;
    if (m_menuChoices.empty()) return nullptr;
    const UINT id = m_menuChoices.front();
    m_menuChoices.pop_front();
    return id ? CMenu::FromHandle(menu)->GetItemAction(id, MF_BYCOMMAND) : nullptr;
}

void CScriptedPromptService::ShowWaitCursor(bool show) {
    m_waitCursor.push_back(show);
}

void CScriptedPromptService::Sleep(DWORD milliseconds) {
    m_sleeps.push_back(milliseconds);
}

bool CScriptedPromptService::ChooseColor(COLORREF& color) {
    m_colorDialogs.push_back(color);
    if (m_colorAnswers.empty()) return false;
    const std::optional<COLORREF> answer = m_colorAnswers.front();
    m_colorAnswers.pop_front();
    if (!answer) return false;
    color = *answer;
    return true;
}

// --- the platform's calls ---------------------------------------------------------------------------

int AfxMessageBox(const char* lpszText, UINT nType, UINT nIDHelp) {
    ASSERT_UI_THREAD();
    CMessageBoxRequest request;
    request.text = lpszText ? lpszText : "";
    request.caption = AfxGetAppName();
    request.type = nType;
    request.helpId = nIDHelp;
    return CPromptService::Instance().MessageBox(request);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    const CString text = AfxLoadString(nIDPrompt);
    return AfxMessageBox(text.c_str(), nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

void MessageBeep(UINT uType) {
    CPromptService::Instance().MessageBeep(uType);
}

void Sleep(DWORD dwMilliseconds) {
    CPromptService::Instance().Sleep(dwMilliseconds);
}

void AfxDoWaitCursor(int nCode) {
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(nCode);
    else
        AfxCountWaitCursor(nCode);
}

void AfxCountWaitCursor(int nCode) {
    if (nCode > 0) {
        if (++g_waitCursorCount == 1) CPromptService::Instance().ShowWaitCursor(true);
    } else if (nCode < 0) {
        // An End without a Begin changes nothing.
        if (g_waitCursorCount == 0) return;
        if (--g_waitCursorCount == 0) CPromptService::Instance().ShowWaitCursor(false);
    } else if (g_waitCursorCount > 0) {
        CPromptService::Instance().ShowWaitCursor(true);
    }
}

int AfxGetWaitCursorCount() {
    return g_waitCursorCount;
}

CWaitCursor::CWaitCursor() {
    AfxDoWaitCursor(1);
}
CWaitCursor::~CWaitCursor() {
    AfxDoWaitCursor(-1);
}
void CWaitCursor::Restore() {
    AfxDoWaitCursor(0);
}
