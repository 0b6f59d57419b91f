#pragma once
// Scope guards of the report's pictures: what a picture changes for its
// drawing comes back on every path out, an exception included, so the user's
// display setting and the views' active action survive the report.
#include "app/report/AReportDrawing.h"
#include "app/views/ADrawAttributes.h"

// Keeps the active load group of the drawing.
class AReportGuard {
public:
    explicit AReportGuard(AReportDrawing* drawing) : m_drawing(drawing), m_group(drawing->GetActiveLoadGroup()) {}
    ~AReportGuard() {
        if (m_drawing->GetActiveLoadGroup() != m_group) m_drawing->SetActiveLoadGroup(m_group);
    }
    AReportGuard(const AReportGuard&) = delete;
    AReportGuard& operator=(const AReportGuard&) = delete;

private:
    AReportDrawing* m_drawing;
    int m_group;
};

// Elements drawn as lines while it lives, whatever the display setting says.
class AElementLinesGuard {
public:
    AElementLinesGuard() : m_shown(ADrawAttributes::Instance()->m_showElementAsRect) {
        ADrawAttributes::Instance()->m_showElementAsRect = false;
    }
    ~AElementLinesGuard() { ADrawAttributes::Instance()->m_showElementAsRect = m_shown; }
    AElementLinesGuard(const AElementLinesGuard&) = delete;
    AElementLinesGuard& operator=(const AElementLinesGuard&) = delete;

private:
    bool m_shown;
};
