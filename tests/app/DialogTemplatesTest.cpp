// Every dialog template of the program laid out offscreen in the real widgets:
// no control may cut its text, whatever font the desktop gives.
#include "platform/ui/CDialog.h"
#include "platform/ui/CResources.h"
#include "resources/tamrix/TamrixResources.h"
#include "resources/ui/StrakonResources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The text without the mnemonic marks, as the control shows it.
QString shown(QString text) {
    text.replace("&&", QChar(0x1));
    text.remove('&');
    text.replace(QChar(0x1), "&");
    return text;
}

// What the control cannot show of its text; empty when everything fits.
std::string cutText(QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    const int width = widget->width();
    QStyle* style = widget->style();
    std::ostringstream out;
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        if (box->title().isEmpty()) return {};
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.textAlignment = box->alignment();
        const QRect label = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        const int needed = metrics.horizontalAdvance(shown(box->title()));
        if (label.right() >= width - 2 || label.width() < needed)
            out << "group box \"" << box->title().toStdString() << "\" needs " << label.left() + needed + 4
                << " px, has " << width;
    } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
        auto* button = static_cast<QAbstractButton*>(widget);
        if (button->text().isEmpty()) return {};
        if (button->sizeHint().width() > width)
            out << "box \"" << button->text().toStdString() << "\" needs " << button->sizeHint().width()
                << " px, has " << width;
    } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
        if (push->text().isEmpty() || !push->icon().isNull()) return {};
        QStyleOptionButton option;
        option.initFrom(push);
        option.text = push->text();
        const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &option, push);
        const int needed = metrics.horizontalAdvance(shown(push->text()));
        if (needed > contents.width())
            out << "button \"" << push->text().toStdString() << "\" needs " << needed << " px inside, has "
                << contents.width();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText) return {};
        // The static has taken the mnemonic marks out already.
        const QString text = label->text();
        if (!label->wordWrap()) {
            if (metrics.horizontalAdvance(text) > width)
                out << "label \"" << label->text().toStdString() << "\" needs "
                    << metrics.horizontalAdvance(text) << " px, has " << width;
            return out.str();
        }
        for (const QString& word : text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
            if (metrics.horizontalAdvance(word) > width)
                out << "label \"" << label->text().toStdString() << "\": the word \"" << word.toStdString()
                    << "\" is wider than " << width << " px";
        const int height =
            metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap | label->alignment(), text).height();
        if (out.str().empty() && height > label->height() + 1)
            out << "label \"" << label->text().toStdString() << "\" needs " << height << " px down, has "
                << label->height();
    }
    return out.str();
}

class DialogTemplatesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterStrakonResources();
        RegisterTamrixResources();
    }
};

TEST_F(DialogTemplatesTest, EveryControlOfEveryDialogShowsItsWholeText) {
    const std::vector<UINT> ids = CResources::Instance().DialogIds();
    ASSERT_GT(ids.size(), 40u) << "the program's templates are registered";
    int controls = 0;
    for (UINT id : ids) {
        CDialog dialog(id, nullptr);
        const CDialogTemplate* dialogTemplate = CResources::Instance().FindDialog(id);
        ASSERT_NE(dialogTemplate, nullptr);
        // Pages and form views are children; as popups they lay out the same.
        if (!dialog.Create(id, nullptr)) continue;
        QWidget* window = dialog.GetWidget();
        ASSERT_NE(window, nullptr) << id;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (child->parentWidget() != window) continue;
            ++controls;
            const std::string cut = cutText(child);
            EXPECT_TRUE(cut.empty()) << "dialog " << id << " \"" << dialogTemplate->caption << "\": " << cut;
        }
        dialog.DestroyWindow();
    }
    EXPECT_GT(controls, 500);
}

} // namespace
