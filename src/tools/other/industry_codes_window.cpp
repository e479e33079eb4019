#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"
#include "tools/other/industry_codes.h"
#include "tools/other/lookup_text.h"

namespace korrimet::other {
namespace {

const char* const kRefusedKeywordMessage =
    "你输入检索行业类别的关键字为空，或是第一个字符为数字、字母，请检查输入，检索行业类别的关键字为中文字符！";

const char* const kSections[] = {
    "A 农、林、牧、渔业",
    "B 采矿业",
    "C 制造业",
    "D 电力及燃气及水的生产和供应业",
    "E 建筑业",
    "F 交通运输及仓储和邮政业",
    "G 信息传输及计算机服务和软件业",
    "H 批发和零售业",
    "I 住宿和餐饮业",
    "J 金融业",
    "K 房地产业",
    "L 租赁和商务服务业",
    "M 科学研究和技术服务和地质勘查业",
    "N 水利及环境和公共设施管理业",
    "O 居民服务和其他服务业",
    "P 教育",
    "Q 卫生及社会保障和社会福利业",
    "R 文化和体育和娱乐业",
    "S 公共管理和社会组织",
    "T 国际组织",
};

class IndustryCodesWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "国民经济行业分类与代码检索1";
    static constexpr const char* kCaption = "国民经济行业分类与代码检索";

    // Window-level: the code list copied at load, and the last section picked.
    struct State {
        std::u16string codeList;
        QString lastSection;
    };

    explicit IndustryCodesWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8400, 8160), s_(state) {
        FormBuilder f = form();
        f.label("Label1", "国民经济行业分类与代码检索", 240, 120, 7920, 360)->setFont(songti(12, true));
        QGroupBox* mode = f.frame("Frame1", "检索方式", 240, 600, 7920, 720);
        FormBuilder m(mode);
        bySection_ = m.option("Option1", "", 180, 340, 255, 255);
        m.label("Label2", "按行业类别检索", 480, 340, 2400, 300);
        byKeyword_ = m.option("Option2", "", 3180, 340, 255, 255);
        m.label("Label3", "关键字检索", 3480, 340, 2400, 300);

        prompt_ = f.label("Label4", "", 240, 1500, 3000, 300);
        QStringList items;
        for (const char* s : kSections) items << QString::fromUtf8(s);
        section_ = f.combo("Combo1", 3240, 1440, 3360, 345, items, false);
        keyword_ = f.textBox("Text1", 3240, 1440, 3360, 345, "化工");
        search_ = f.button("Command1", "检索", 6720, 1425, 1440, 375);

        QGroupBox* result = f.frame("Frame2", "检索结果：", 240, 1980, 7920, 6000);
        FormBuilder r(result);
        report_ = r.richText("RichTextBox1", 120, 300, 7680, 5580);

        connect(bySection_, &QRadioButton::toggled, this, [this](bool on) {
            if (on) showMode(true);
        });
        connect(byKeyword_, &QRadioButton::toggled, this, [this](bool on) {
            if (on) showMode(false);
        });
        connect(section_, &QComboBox::activated, this, [this] { showSection(); });
        connect(search_, &QPushButton::clicked, this, [this] { searchKeyword(); });

        bySection_->setChecked(true);
        s_.codeList = ReadStoredText(resourceText(QStringLiteral(":/other/industry_codes.txt")).toStdU16String()).text;
    }

private:
    void showMode(bool bySection) {
        keyword_->setVisible(!bySection);
        search_->setVisible(!bySection);
        section_->setVisible(bySection);
        prompt_->setText(bySection ? "请选择你想检索的行业类别：" : "输入检索行业类别的关键字：");
    }

    void showSection() {
        s_.lastSection = section_->currentText();
        setReport(report_, qtext16(SectionReport(s_.codeList, s_.lastSection.toStdU16String())));
    }

    void searchKeyword() {
        const std::u16string keyword = keyword_->text().toStdU16String();
        if (RefusedKeyword(keyword)) {
            // Refused: the last search's list belongs to another keyword.
            setReport(report_, QString());
            ShowMessage(QString::fromUtf8(kRefusedKeywordMessage), this);
            keyword_->setFocus();
            return;
        }
        setReport(report_, qtext16(KeywordReport(s_.codeList, keyword)));
    }

    State& s_;
    QRadioButton *bySection_, *byKeyword_;
    QLabel* prompt_;
    QComboBox* section_;
    QLineEdit* keyword_;
    QPushButton* search_;
    QTextEdit* report_;
};

}  // namespace
}  // namespace korrimet::other

using korrimet::other::IndustryCodesWindow;
KORRIMET_REGISTER_TOOL(IndustryCodesWindow);
