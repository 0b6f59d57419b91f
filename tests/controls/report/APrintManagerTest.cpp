// The report composer: layout over pages, head and foot fields, printing to a
// real PDF read back with pdftotext; papers, table styles and pictures.
#include "controls/report/APrintManager.h"

#include "controls/report/ADrawTable.h"
#include "controls/report/AMetaFileRectPic.h"
#include "controls/report/APaper.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPrinterDC.h"
#include "platform/storage/ProgramPaths.h"
#include "tests/platform/gdi/GdiTestSupport.h"
#include "tests/support/ArtifactsFolder.h"

#include <QImage>
#include <QPdfWriter>

#include "tests/support/PdfReport.h"
#include "tests/support/PdfText.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

using testsupport::PdfText;

using testsupport::PdfReport;

ATextRect* text(const std::string& markup) {
    return new ATextRect(markup);
}

std::string manyLines(const std::string& word, int count) {
    std::string s;
    for (int i = 1; i <= count; ++i)
        s += word + std::to_string(i) + "@{N}";
    return s;
}

} // namespace

TEST(APrintManager, AReportOfTextTableAndPictureToPdf) {
    PdfReport report("report-composer.pdf");
    APrintManager& c = report.composer;
    const CRect body = c.GetPaper()->Body(false);

    auto* title = text("@{F:D,160,B}Report title");
    title->SetPageBreak(false, true); // a break before the first block makes no empty page
    c.Add(title);
    c.Add(text(manyLines("Line", 180))); // about three pages of text
    auto* table = new ADrawSmartTable;
    table->SetCaption("Table of nodes");
    for (const char* head : {"Node", "x", "z"})
        table->AddTopCell(head);
    for (int row = 1; row <= 150; ++row)
        for (int col = 0; col < 3; ++col)
            table->AddCell(col == 0 ? CString("N" + std::to_string(row))
                                    : CString(std::to_string(row * 10 + col)));
    table->SetAutoSize(30, 25);
    c.Add(table);
    auto* picture = new AMetaFileRectPic(CSize(1000, -(std::abs(body.Height()) + 500)));
    CMetaFileDC* rec = picture->OpenMetaFileDC(report.dc.get());
    rec->Rectangle(0, 0, 1000, -1000);
    rec->TextOut(50, -50, "TALLPICTURE");
    picture->CloseMetaFileDC();
    c.Add(picture);
    c.Add(text("After the picture"));

    c.AddParsePair("pages", "?");
    c.SetHead("&[XYZ]", "", "Strakon");
    const int pages = c.Layout(report.dc.get());
    ASSERT_GE(pages, 6);
    c.AddParsePair("PAGES", CString(std::to_string(pages)));
    c.SetFoot("", "Page &[page] of &[PAGES]", "");
    ASSERT_EQ(report.print(), pages);

    // The title opens page 1.
    EXPECT_EQ(c.GetPlacements(1).front().first, title);
    // The picture is alone on its page and the next block starts a new one.
    int picturePage = 0;
    for (int p = 1; p <= pages; ++p)
        for (const auto& [block, point] : c.GetPlacements(p))
            if (block == picture) picturePage = p;
    ASSERT_GT(picturePage, 0);
    EXPECT_EQ(c.GetPlacements(picturePage).size(), 1u);
    EXPECT_EQ(c.GetPlacements(picturePage + 1).size(), 1u);

    const std::string all = PdfText(report.path);
    EXPECT_NE(all.find("Report title"), std::string::npos);
    EXPECT_NE(all.find("Error:&[XYZ]"), std::string::npos);
    EXPECT_NE(PdfText(report.path, 3).find("Page 3 of " + std::to_string(pages)), std::string::npos);
    EXPECT_NE(all.find("N150"), std::string::npos);
    EXPECT_NE(all.find("TALLPICTURE"), std::string::npos);
    // The table was split: its caption and head stand on two pages.
    int captions = 0;
    for (int p = 1; p <= pages; ++p)
        if (PdfText(report.path, p).find("Table of nodes") != std::string::npos) ++captions;
    EXPECT_GE(captions, 2);
    // Text taller than a page went over pages at line boundaries, in order.
    EXPECT_LT(all.find("Line1\n"), all.find("Line180"));
}

TEST(APrintManager, KeysExpandAsPlainTextAndEveryPageMarkerIsReplaced) {
    APrintManager c;
    c.AddParsePair("AUTHOR", "j.doe@orvex.com");
    EXPECT_EQ(c.ParseString("&[author]"), "j.doe@@orvex.com");
    EXPECT_EQ(c.ParseString("a&[PAGE]b&[page]"),
              CString("a") + APrintManager::pageMarker + "b" + APrintManager::pageMarker);
    EXPECT_EQ(c.ParseString("x&[NONE]y"), "xError:&[NONE]y");
    EXPECT_EQ(c.ParseString("open &[PAGE"), "open &[PAGE");
    EXPECT_EQ(c.ParseString("one\r\ntwo"), "one@{N}two");
}

TEST(APrintManager, ClearForgetsEverythingAndBadPagesAreRefused) {
    PdfReport report("report-clear.pdf");
    APrintManager& c = report.composer;
    c.Add(text("some text"));
    ASSERT_EQ(c.Layout(report.dc.get()), 1);
    EXPECT_FALSE(c.PrintPage(0, report.dc.get()));
    EXPECT_FALSE(c.PrintPage(2, report.dc.get()));
    c.Clear();
    EXPECT_EQ(c.GetPageCount(), 0);
    EXPECT_FALSE(c.PrintPage(1, report.dc.get()));
    EXPECT_EQ(c.Layout(report.dc.get()), 0); // no paper now
    APrintManager empty;
    EXPECT_EQ(empty.Layout(report.dc.get()), 0);
}

TEST(APrintManager, AFullPageTakesNoFurtherBlock) {
    PdfReport report("report-full.pdf");
    APrintManager& c = report.composer;
    const int bodyHeight = std::abs(c.GetPaper()->Body(false).Height());
    // A block that, with the separation, passes the bottom; then a small one.
    auto* big = new AMetaFileRectPic(CSize(100, -(bodyHeight - 10)));
    big->OpenMetaFileDC(report.dc.get());
    big->CloseMetaFileDC();
    c.Add(big);
    auto* small = new AMetaFileRectPic(CSize(100, -5));
    small->OpenMetaFileDC(report.dc.get());
    small->CloseMetaFileDC();
    c.Add(small);
    EXPECT_EQ(c.Layout(report.dc.get()), 2);
}

TEST(APrintManager, FloatingBlocksBeforeTheFirstFlowingBlockPrintOnPageOne) {
    PdfReport report("report-floating.pdf");
    APrintManager& c = report.composer;
    auto* logo = text("FLOATING");
    logo->SetFloatPoint(CPoint(300, -300));
    c.Add(logo);
    c.Add(text("flowing"));
    ASSERT_EQ(c.Layout(report.dc.get()), 1);
    EXPECT_EQ(c.GetPlacements(1).size(), 2u);
    report.print();
    EXPECT_NE(PdfText(report.path).find("FLOATING"), std::string::npos);
}

TEST(AStandardPaper, RectanglesOfA4At600Dpi) {
    PdfReport report("paper.pdf");
    AStandardPaper p;
    p.Setup(*report.dc);
    // 210 x 297 mm with 5 mm unprintable margins; the page layout works in whole points.
    EXPECT_NEAR(p.m_width, 2100, 2);
    EXPECT_NEAR(p.m_height, 2970, 2);
    EXPECT_NEAR(p.m_leftUnprintable, 50, 2);
    EXPECT_EQ(p.m_leftMargin, 270);
    const CRect head = p.Head(true), body = p.Body(true), foot = p.Foot(true), note = p.Note(true);
    EXPECT_EQ(head.left, 270 - p.m_leftUnprintable);
    EXPECT_EQ(head.top, -130 + p.m_topUnprintable);
    EXPECT_EQ(head.Height(), -120);
    EXPECT_EQ(body.top, head.bottom - 70);
    EXPECT_EQ(foot.top, body.bottom - 70);
    EXPECT_EQ(foot.Height(), -100);
    EXPECT_EQ(body.Width(), p.m_width - 170 - 30 - 70 - 270);
    EXPECT_EQ(note.left, body.right + 30);
    EXPECT_EQ(note.top, body.top);
    // The bottom margin below the foot.
    EXPECT_EQ(foot.bottom, -(p.m_height - 130) + p.m_topUnprintable);
}

TEST(AStandardPaper, MarginsFallBackWhenAStripIsTooNarrow) {
    struct Case {
        const char* name;
        int rightStrip, topStrip, bottomStrip;
        int noteGap, headGap, footGap;
    };
    const Case cases[] = {
        {"all strips wide enough", 300, 400, 400, 30, 70, 70},
        {"right strip narrower than margin and gap", 90, 400, 400, 0, 70, 70},
        {"top strip narrower than its gap and margin", 300, 150, 400, 30, 0, 70},
        {"bottom strip narrower than its gap and margin", 300, 400, 150, 30, 70, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        AStandardPaper p;
        p.m_width = 2100;
        p.m_height = 2970;
        p.m_rightUnprintable = 40;
        p.m_topUnprintable = 45;
        p.m_bottomUnprintable = 50;
        p.SetMargins(250, k.rightStrip, k.topStrip, k.bottomStrip, 100, 100);
        EXPECT_EQ(p.m_noteGap, k.noteGap);
        EXPECT_EQ(p.m_headGap, k.headGap);
        EXPECT_EQ(p.m_footGap, k.footGap);
        EXPECT_GE(p.m_noteWidth, 1);
        EXPECT_GE(p.m_headHeight, 1);
        EXPECT_GE(p.m_footHeight, 1);
        if (k.noteGap == 0) {
            EXPECT_EQ(p.m_rightMargin, 40);
            EXPECT_EQ(p.m_noteWidth, k.rightStrip - 40);
        }
        if (k.headGap == 0) {
            EXPECT_EQ(p.m_headHeight, k.topStrip - 45);
        }
        if (k.footGap == 0) {
            EXPECT_EQ(p.m_footHeight, k.bottomStrip - 50);
        }
        EXPECT_EQ(p.m_bodyWidth, 2100 - 250 - k.rightStrip);
        EXPECT_EQ(p.m_bodyHeight, 2970 - k.topStrip - k.bottomStrip);
    }
}

TEST(ADrawSmartTable, StylesShadeTheHeadAndBandsAndDrawTheirLines) {
    for (const char* style : {"Rows 1", "Grid 1"}) {
        SCOPED_TRACE(style);
        QImage image = WhiteImage(1200, 800, 300);
        CImageDC dc(&image);
        dc.SetMapMode(MM_LOMETRIC);
        ADrawSmartTable table;
        table.SetStyle(CString(style));
        table.SetHeadFont("DejaVu Sans", 100);
        table.SetCellFont("DejaVu Sans", 100);
        for (const char* head : {"A", "B"})
            table.AddTopCell(head);
        for (int i = 0; i < 6; ++i)
            table.AddCell(CString(std::to_string(i)));
        table.SetAutoSize(200, 100);
        table.BeforeLayout(&dc, nullptr);
        table.Draw(&dc, CPoint(100, -100));
        image.save(
            QString::fromStdString((ArtifactsFolder() / (std::string("table-") + style + ".png")).string()));
        const auto rows = table.GetRows();
        ASSERT_EQ(rows.size(), 3u);
        // A point well inside a cell, away from its text and lines.
        auto inside = [&](const ATableCell* cell) {
            CPoint p(100 + cell->m_x + 20, -100 + cell->m_y - 15);
            dc.LPtoDP(&p);
            return image.pixel(p.x, p.y) & 0xFFFFFF;
        };
        const bool rowsStyle = std::string(style) == "Rows 1";
        EXPECT_EQ(inside(table.GetHead()[0]), rowsStyle ? 0xC8C8C8u : 0xFFFFFFu);
        EXPECT_EQ(inside((*rows[0])[0]), 0xFFFFFFu);
        EXPECT_EQ(inside((*rows[1])[0]), rowsStyle ? 0xEDEDEDu : 0xFFFFFFu);
        // The line between the first two data rows, halfway along the first cell.
        const ATableCell* upper = (*rows[0])[0];
        CPoint onLine(100 + upper->m_x + upper->m_width / 2, -100 + upper->m_y + upper->m_height);
        dc.LPtoDP(&onLine);
        int dark = 0;
        for (int dy = -2; dy <= 2; ++dy)
            dark += (image.pixel(onLine.x, onLine.y + dy) & 0xFF) < 0x80;
        if (rowsStyle)
            EXPECT_LE(dark, 2); // dotted
        else
            EXPECT_GE(dark, 1); // solid
        // Along a solid line every pixel is dark; a dotted one has gaps.
        int gaps = 0;
        for (int dx = -20; dx <= 20; ++dx) {
            int darkHere = 0;
            for (int dy = -2; dy <= 2; ++dy)
                darkHere += (image.pixel(onLine.x + dx, onLine.y + dy) & 0xFF) < 0x80;
            gaps += darkHere == 0;
        }
        if (rowsStyle)
            EXPECT_GT(gaps, 0);
        else
            EXPECT_EQ(gaps, 0);
    }
}

TEST(ADrawSmartTable, EmptyTablesAndBadIndexesAreHarmless) {
    QImage image = WhiteImage(200, 200, 96);
    CImageDC dc(&image);
    dc.SetMapMode(MM_LOMETRIC);
    ADrawSmartTable table; // no head, no rows
    table.SetColumnWidth(7, 100);
    table.SetRowHeight(9, 100);
    table.SetMultiColumn(0, 0, 0);
    table.BeforeLayout(&dc, nullptr);
    EXPECT_EQ(table.AllowBreak(-1000), 0);
    EXPECT_TRUE(table.Draw(&dc, CPoint(0, 0)));
    ADrawSmartTable two;
    two.AddTopCell("h");
    two.AddCell("1");
    two.AddCell("2");
    two.BeforeLayout(&dc, nullptr);
    EXPECT_EQ(two.AllowBreak(-100000), 0); // two data rows are never split
}

TEST(ADrawSmartTable, MultiColumnUsesAtMostTwoBlocks) {
    QImage image = WhiteImage(200, 200, 96);
    CImageDC dc(&image);
    dc.SetMapMode(MM_LOMETRIC);
    ADrawSmartTable table;
    table.AddTopCell("h");
    for (int i = 0; i < 10; ++i)
        table.AddCell(CString(std::to_string(i)));
    table.SetMultiColumn(50, 200, 5000); // room for many blocks
    table.BeforeLayout(&dc, nullptr);
    EXPECT_EQ(table.GetBlockCount(), 2);
    EXPECT_EQ(table.GetRowsPerBlock(), 5);
    EXPECT_EQ((*table.GetRows()[5])[0]->m_x, 2500); // the second block starts at half the width
}

TEST(AMetaFileRectPic, EachPictureOwnsOneFileAndAPictureWithoutAFilePrints) {
    QImage image = WhiteImage(400, 400, 96);
    CImageDC dc(&image);
    dc.SetMapMode(MM_LOMETRIC);
    fs::path first, second;
    {
        AMetaFileRectPic a(CSize(100, -100)), b(CSize(100, -100));
        a.OpenMetaFileDC(&dc)->Rectangle(0, 0, 50, -50);
        a.CloseMetaFileDC();
        b.OpenMetaFileDC(&dc)->Rectangle(0, 0, 50, -50);
        // A second recording of the same block keeps its one file.
        b.OpenMetaFileDC(&dc)->Ellipse(0, 0, 50, -50);
        b.CloseMetaFileDC();
        first = a.GetFileName();
        second = b.GetFileName();
        EXPECT_NE(first, second);
        EXPECT_TRUE(fs::exists(first));
        EXPECT_TRUE(fs::exists(second));
        EXPECT_EQ(first.filename().string().rfind("MWM", 0), 0u);
        EXPECT_EQ(first.extension(), ".tmp");
        EXPECT_EQ(first.parent_path(), programpaths::processTempFolder());
    }
    EXPECT_FALSE(fs::exists(first));
    EXPECT_FALSE(fs::exists(second));

    {
        APrintManager c;
        auto* p = new AMetaFileRectPic(CSize(10, -10));
        p->OpenMetaFileDC(&dc);
        p->CloseMetaFileDC();
        first = p->GetFileName();
        c.Add(p);
        c.Clear();
        EXPECT_FALSE(fs::exists(first));
    }

    // A destroyed block that was still recording leaves nothing behind.
    {
        AMetaFileRectPic recording(CSize(10, -10));
        recording.OpenMetaFileDC(&dc)->Rectangle(0, 0, 5, -5);
        first = recording.GetFileName();
    }
    EXPECT_FALSE(fs::exists(first));

    // Where the file cannot be written, the picture stays in memory and prints.
    AMetaFileRectPic p(CSize(200, -200));
    CMetaFileDC* rec = p.OpenMetaFileDC(&dc);
    ASSERT_NE(rec, nullptr);
    const CRect red(0, 0, 200, -200);
    rec->FillSolidRect(&red, RGB(255, 0, 0));
    fs::remove(p.GetFileName());
    fs::create_directory(p.GetFileName()); // the name is taken by a folder now
    p.CloseMetaFileDC();
    EXPECT_TRUE(p.IsInMemory());
    EXPECT_TRUE(p.Draw(&dc, CPoint(50, -50)));
    CPoint inside(100, -100);
    dc.LPtoDP(&inside);
    EXPECT_EQ(image.pixel(inside.x, inside.y) & 0xFFFFFF, 0xFF0000u);
    fs::remove(p.GetFileName());
}

TEST(AMetaFileRectPic, ACaptionMovesThePictureDownByItsHeightAndTwoMillimetres) {
    QImage image = WhiteImage(400, 400, 96);
    CImageDC dc(&image);
    dc.SetMapMode(MM_LOMETRIC);
    AMetaFileRectPic p(CSize(300, -300));
    p.SetCaption("Caption");
    CMetaFileDC* rec = p.OpenMetaFileDC(&dc);
    rec->MoveTo(0, 0);
    rec->LineTo(10, 0);
    p.CloseMetaFileDC();
    p.BeforeLayout(&dc, nullptr);
    const int caption = p.GetCaption().GetLines().back().baseline;
    EXPECT_EQ(p.GetSize(&dc).cy, -(300 + caption));
    CMetaFileDC recording(&dc);
    p.Draw(&recording, CPoint(0, 0));
    const CMetaFile played = recording.Close();
    int lineY = 1;
    for (const CMetaRecord& r : played.Records())
        if (r.type == CMetaRecord::Type::lineTo) lineY = r.points.at(0).y;
    EXPECT_EQ(lineY, -(caption + 20));
}

TEST(AMetaFileRectPicMap, AWorldWithoutHeightScalesByItsWidthAndPicturesShareThePage) {
    PdfReport report("picture-map.pdf");
    const CRect body = report.composer.GetPaper()->Body(true);
    AMetaFileRectPicMap flat;
    flat.OpenMetaFileDC(report.dc.get());
    EXPECT_EQ(flat.SetMap(omRect(0.0, 0.0, 10.0, 0.0), &report.composer, 1), body.Width());
    flat.CloseMetaFileDC();
    AMetaFileRectPicMap point;
    point.OpenMetaFileDC(report.dc.get());
    EXPECT_EQ(point.SetMap(omRect(1.0, 1.0, 1.0, 1.0), &report.composer, 1), body.Width());
    point.CloseMetaFileDC();
    // Three tall pictures per page share the body less two separations.
    AMetaFileRectPicMap tall;
    tall.OpenMetaFileDC(report.dc.get());
    tall.SetMap(omRect(0.0, 100.0, 1.0, 0.0), &report.composer, 3);
    tall.CloseMetaFileDC();
    tall.BeforeLayout(report.dc.get(), &report.composer);
    const int share = (std::abs(body.Height()) - 2 * (report.composer.GetMinVerSep() + 2)) / 3;
    EXPECT_NEAR(std::abs(tall.GetSize(report.dc.get()).cy), share, 1);
}

TEST(AMetaFileRectPic, CleaningRemovesPicturesAndTheFoldersOfRunsThatDied) {
    const fs::path own = programpaths::processTempFolder();
    const fs::path system = own.parent_path();
    // A folder of a process that no longer runs, and one of a process that does (init).
    const fs::path dead = system / "strakon-999999999-test";
    const fs::path alive = system / "strakon-1-test";
    fs::create_directories(dead);
    fs::create_directories(alive);
    { std::ofstream(dead / "MWMabc.tmp") << "x"; }
    { std::ofstream(own / "MWMleft.tmp") << "x"; }
    { std::ofstream(own / "keep.txt") << "x"; }
    AMetaFileRectPic::CleanTempFiles();
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::exists(alive));
    EXPECT_FALSE(fs::exists(own / "MWMleft.tmp"));
    EXPECT_TRUE(fs::exists(own / "keep.txt"));
    EXPECT_TRUE(fs::exists(own));
    fs::remove_all(alive);
    fs::remove(own / "keep.txt");
}
