#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "common/widgets/embedded_document.h"
#include "common/widgets/report_box.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"
#include "tools/other/hazardous_waste.h"
#include "tools/other/lookup_text.h"

namespace korrimet::other {
namespace {

const char* const kFullListClass = "国家危险废物名录全文";

const StoredText& wasteList() {
    static const StoredText list = storedLookupText(QStringLiteral(":/other/hazardous_waste_list.txt"));
    return list;
}

class HazardousWasteWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "危险废物名录查询1";
    static constexpr const char* kCaption = "危险废物名录查询";

    HazardousWasteWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8400, 7680) {
        FormBuilder f = form();
        f.label("Label1", "危险废物名录查询", 240, 120, 7920, 360)->setFont(songti(12, true));
        f.label("Label2", "按危废编号查询：", 240, 660, 2000, 300);
        QStringList codes;
        for (int n = 1; n <= 47; ++n) codes << qtext16(WasteCode(n));
        code_ = f.combo("Combo1", 2280, 600, 1320, 345, codes);
        className_ = f.textBox("Text4", 3720, 600, 2880, 345);
        className_->setFont(songti(9, true));
        setTextColor(className_, kDarkGreen);
        search_ = f.button("Command1", "查 询", 6720, 585, 1440, 375);

        // The search by class name is switched off: shown, but greyed.
        f.label("Label3", "按危险废物类别查询：", 240, 1140, 2000, 300)->setEnabled(false);
        f.combo("Combo2", 2280, 1080, 4320, 345)->setEnabled(false);
        f.button("Command2", "查 询", 6720, 1065, 1440, 375)->setEnabled(false);

        QGroupBox* result = f.frame("Frame1", "查询结果", 240, 1620, 7920, 5880);
        FormBuilder r(result);
        entry_ = r.richText("Text3", 120, 300, 7680, 4920);
        entry_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setInfoBackground(entry_);
        fullList_ = r.button("Command3", "查看国家危险废物名录全文", 120, 5340, 3600, 375);

        connect(code_, &QComboBox::activated, this, [this] { showClassName(); });
        connect(search_, &QPushButton::clicked, this, [this] { showEntry(); });
        connect(fullList_, &QPushButton::clicked, this, [] { OpenTool(QString::fromUtf8(kFullListClass)); });
    }

private:
    void showClassName() {
        if (auto name = WasteClassName(wasteList().text, code_->currentText().toStdU16String()))
            className_->setText(qtext16(*name));
    }

    // A code typed by hand that the list does not hold is named; neither the
    // class name nor the entry of an earlier code stays beside it. A code
    // typed by hand that the list holds shows its class name too.
    void showEntry() {
        const QString code = code_->currentText();
        const auto entry = WasteEntry(wasteList().text, code.toStdU16String());
        if (!entry) {
            className_->clear();
            setReport(entry_, QString());
            ShowMessage(QStringLiteral("危险废物名录中没有“%1”，请从列表中选取危废编号！").arg(code), this);
            return;
        }
        if (!code.isEmpty()) showClassName();
        setReport(entry_, withNotice(qtext16(*entry), wasteList()));
    }

    QComboBox* code_;
    QLineEdit* className_;
    QPushButton *search_, *fullList_;
    QTextEdit* entry_;
};

// The full list as a word-processor document.
class HazardousWasteFullList : public EmbeddedDocumentForm {
public:
    static constexpr const char* kClassName = "国家危险废物名录全文";
    static constexpr const char* kCaption = "国家危险废物名录全文";

    HazardousWasteFullList()
        : EmbeddedDocumentForm(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), layout(),
                               richTextDocument(QStringLiteral(":/other/hazardous_waste_full.html"))) {}

private:
    static Layout layout() {
        Layout l;
        l.kind = DocumentKind::WordProcessor;
        l.activateCaption = QStringLiteral("激活（复原）查看");
        l.documentTwips = QRect(120, 120, 9360, 6840);
        l.clientWidthTwips = 9600;
        l.clientHeightTwips = 7080;
        return l;
    }
};

// A window of the list's later edition that holds nothing yet and that no
// menu item opens.
class HazardousWaste2008 : public ToolWindow {
public:
    static constexpr const char* kClassName = "危险废物名录2008";
    static constexpr const char* kCaption = "危险废物名录2008";
    HazardousWaste2008() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 4800, 3600) {}
};

}  // namespace
}  // namespace korrimet::other

using korrimet::other::HazardousWaste2008;
using korrimet::other::HazardousWasteFullList;
using korrimet::other::HazardousWasteWindow;
KORRIMET_REGISTER_TOOL(HazardousWasteWindow);
KORRIMET_REGISTER_TOOL(HazardousWasteFullList);
KORRIMET_REGISTER_TOOL(HazardousWaste2008);
