#pragma once
// A grid in a parent window that records what the grid tells it, shown on the
// offscreen platform, with scripted answers to the notifications.
#include "controls/grid/CGridCtrl.h"

#include <QApplication>
#include <QWidget>

#include <map>
#include <memory>
#include <vector>

struct GridNotification {
    UINT code;
    int row;
    int col;
};

class CRecordingParent : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NOTIFY && lParam) {
            const auto* nm = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
            if (nm->hdr.code == GVN_GETDISPINFO || nm->hdr.code == GVN_ODCACHEHINT) return 0;
            notifications.push_back({nm->hdr.code, nm->iRow, nm->iColumn});
            const auto answer = answers.find(nm->hdr.code);
            return answer == answers.end() ? 0 : answer->second;
        }
        if (message == WM_COMMAND) {
            commands.push_back(static_cast<int>(LOWORD(wParam)));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    // The codes received, in order, without the row and column.
    std::vector<UINT> Codes() const {
        std::vector<UINT> codes;
        for (const auto& n : notifications)
            codes.push_back(n.code);
        return codes;
    }
    std::vector<GridNotification> notifications;
    std::vector<int> commands;
    std::map<UINT, LRESULT> answers;
};

// The parent and a grid over most of it, shown.
template <class Grid = CGridCtrl> struct GridWindow {
    explicit GridWindow(int rows, int cols, int fixedRows = 1, int fixedCols = 1, int width = 420,
                        int height = 260)
        : grid(rows, cols, fixedRows, fixedCols) {
        parent.CreateEx(0, nullptr, "Grid", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width + 20, height + 20,
                        nullptr, 0);
        grid.Create(RECT{10, 10, 10 + width, 10 + height}, &parent, 100);
        parent.GetWidget()->show();
        QApplication::processEvents();
        grid.ResetScrollBars();
    }
    ~GridWindow() {
        grid.DestroyWindow();
        parent.DestroyWindow();
        QApplication::processEvents();
    }
    // The centre of a cell, in the grid's client coordinates.
    CPoint CentreOf(int row, int col) {
        CRect rect;
        grid.GetCellRect(row, col, &rect);
        return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
    CRecordingParent parent;
    Grid grid;
};
