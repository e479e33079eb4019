#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <array>

#include "common/widgets/report_box.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"
#include "tools/other/catalogue_search.h"
#include "tools/other/lookup_text.h"

namespace korrimet::other {
namespace {

const char* const kEmptyKeywordMessage = "请输入你要查询的关键字";
const char* const kRefusedKeywordMessage =
    "你输入检索行业类别的关键字为空，或是第一个字符为数字、字母，请检查输入，检索行业类别的关键字为中文字符！";
const char* const kNotFound = "查无此项目";

struct Category {
    const char* item;
    const char* resource;
    const char* heading;
};
const std::array<Category, 3> kCategories = {{
    {"鼓励类", ":/other/catalogue_encouraged.txt", "你查询的关键词属鼓励的有以下项目："},
    {"限制类", ":/other/catalogue_restricted.txt", "你查询的关键词属限制类的有以下项目："},
    {"淘汰类", ":/other/catalogue_eliminated.txt", "你查询的关键词属淘汰类的有以下项目："},
}};

// The searched texts of the three categories, kept with the window.
const std::array<StoredText, 3>& categoryTexts() {
    static const std::array<StoredText, 3> texts = {
        storedLookupText(kCategories[0].resource),
        storedLookupText(kCategories[1].resource),
        storedLookupText(kCategories[2].resource),
    };
    return texts;
}

class CatalogueWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "产业结构调整指导目录";
    static constexpr const char* kCaption = "产业结构调整指导目录";

    CatalogueWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8400, 7920) {
        FormBuilder f = form();
        f.label("Label1", "产业结构调整指导目录（2011年本）查询", 240, 120, 7920, 360)->setFont(songti(12, true));
        f.label("Label2", "请输入你所要查询项目的关键字：", 240, 660, 3300, 300);
        keyword_ = f.textBox("Text1", 3540, 600, 2400, 345, "太阳能");
        f.label("Label3", "请选择类别：", 240, 1140, 3300, 300);
        QStringList items;
        for (const Category& c : kCategories) items << QString::fromUtf8(c.item);
        category_ = f.combo("Combo1", 3540, 1080, 2400, 345, items);
        search_ = f.button("Command1", "查    询", 6240, 840, 1575, 435);

        // While the stored categories lack their entries, the window says so
        // under the input and answers no keyword.
        QLabel* missing = f.label("Label5", missingNotice(), 240, 1500, 7920, 300);
        setTextColor(missing, kRed);
        missing->setVisible(!missing->text().isEmpty());

        result_ = f.frame("Frame1", "查询结果", 240, 1860, 7920, 5880);
        FormBuilder r(result_);
        found_ = r.richText("Text2", 120, 300, 7680, 4560);
        found_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setInfoBackground(found_);
        r.label("Label4", "注意：查询项目的关键字和查询类别，一定要选取的！", 120, 4980, 7680, 300);
        fullText_ = r.button("Command2", "产业结构调整指导目录（2011年本）全文阅读", 120, 5340, 5400, 375);

        // An emptied keyword box says what it wants in itself: no message box
        // pops up while the user types.
        keyword_->setPlaceholderText(QString::fromUtf8(kEmptyKeywordMessage));

        connect(keyword_, &QLineEdit::textChanged, this, [this] { requireKeyword(); });
        connect(category_, &QComboBox::activated, this, [this] { requireKeyword(); });
        connect(search_, &QPushButton::clicked, this, [this] { search(); });
        connect(fullText_, &QPushButton::clicked, this, [] { OpenTool(QStringLiteral("产业结构调整目录全文")); });
    }

private:
    void requireKeyword() {
        if (keyword_->text().isEmpty()) keyword_->setFocus();
    }

    // The notices of the categories whose entries are missing, each once.
    static QString missingNotice() {
        QStringList notices;
        for (const StoredText& t : categoryTexts())
            if (!t.complete() && !notices.contains(qtext16(t.missing))) notices << qtext16(t.missing);
        return notices.join('\n');
    }

    void search() {
        const std::u16string keyword = keyword_->text().toStdU16String();
        if (RefusedKeyword(keyword)) {
            setReport(found_, QString());
            ShowMessage(QString::fromUtf8(kRefusedKeywordMessage), this);
            keyword_->setFocus();
            return;
        }
        const QString chosen = category_->currentText();
        for (std::size_t c = 0; c < kCategories.size(); ++c) {
            if (chosen != QString::fromUtf8(kCategories[c].item)) continue;
            const StoredText& text = categoryTexts()[c];
            if (!text.complete()) {
                // No entries, no answer: "查无此项目" would read as "not in the catalogue".
                result_->setTitle(QStringLiteral("查询结果"));
                setReport(found_, qtext16(text.missing));
                return;
            }
            result_->setTitle(QString::fromUtf8(kCategories[c].heading));
            const auto listing = SearchCatalogue(text.text, keyword);
            setReport(found_, listing ? qtext16(*listing) : QString::fromUtf8(kNotFound));
            return;
        }
        setReport(found_, QString());
    }

    QLineEdit* keyword_;
    QComboBox* category_;
    QPushButton *search_, *fullText_;
    QGroupBox* result_;
    QTextEdit* found_;
};

}  // namespace
}  // namespace korrimet::other

using korrimet::other::CatalogueWindow;
KORRIMET_REGISTER_TOOL(CatalogueWindow);
