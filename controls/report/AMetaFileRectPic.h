#pragma once
// Pictures of a report: drawn once into a recording context, kept in a file of
// the process's temporary folder and played on the page that prints them.
// AMetaFileRectPicMap adds the map that fits a world rectangle into the room a
// page offers.
#include "common/omRect.h"
#include "controls/AMapC2L.h"
#include "controls/report/ATextRect.h"
#include "platform/gdi/CMetaFile.h"

#include <filesystem>
#include <memory>
#include <optional>

class AMetaFileRectPic : public ADrawRect {
public:
    AMetaFileRectPic() = default;
    explicit AMetaFileRectPic(CSize size) : m_size(size) {}
    // Each block owns its own file; a copy would delete the other's.
    AMetaFileRectPic(const AMetaFileRectPic&) = delete;
    AMetaFileRectPic& operator=(const AMetaFileRectPic&) = delete;
    // Ends any recording and deletes the block's file.
    ~AMetaFileRectPic() override;

    // Starts a recording that measures like reference and returns its context
    // (never null); a recording already under way ends first and its picture
    // is replaced.
    CMetaFileDC* OpenMetaFileDC(CDC* reference);
    // Ends the recording and keeps the picture in the block's file; when the
    // file cannot be written the picture stays in memory and still prints.
    void CloseMetaFileDC();
    CMetaFileDC* GetMetaFileDC() const { return m_recorder.get(); }
    // The block's file; empty before the first recording.
    const std::filesystem::path& GetFileName() const { return m_path; }
    // Whether the picture is kept in memory for want of a file.
    bool IsInMemory() const { return m_memory.has_value(); }

    void SetCaption(const CString& text);
    ATextRect& GetCaption() { return m_caption; }

    void BeforeLayout(CDC* dc, APrintManager* composer) override;
    CSize GetSize(CDC* dc) override;
    bool Draw(CDC* dc, CPoint p) const override;

    // Removes the picture files of this process and the temporary folders
    // that earlier runs of the program left behind.
    static void CleanTempFiles();

protected:
    // The caption's height and the 2 mm below it; 0 without a caption.
    int captionRoom() const;
    bool playAt(CDC* dc, CPoint origin) const;

    ATextRect m_caption;
    std::unique_ptr<CMetaFileDC> m_recorder;
    std::filesystem::path m_path;
    std::optional<CMetaFile> m_memory;
    CSize m_size{0, 0};
    CSize m_layoutSize{0, 0};
};

class AMetaFileRectPicMap : public AMetaFileRectPic {
public:
    AMetaFileRectPicMap() = default;

    AMapC2L& GetMap() { return m_map; }
    void SetDrawBorder(bool on) { m_drawBorder = on; }
    bool GetDrawBorder() const { return m_drawBorder; }

    // Fits world into the body of the composer's paper, shared by perPage
    // pictures, below the caption; returns the picture's width. The caption
    // is measured on the recording context, so the recording must be open.
    int SetMap(omRect world, APrintManager* composer, int perPage);

    void BeforeLayout(CDC* dc, APrintManager* composer) override;
    bool Draw(CDC* dc, CPoint p) const override;

private:
    AMapC2L m_map;
    bool m_drawBorder = false;
    CSize m_picture{0, 0};
};
