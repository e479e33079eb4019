#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <algorithm>
#include <optional>

#include "common/number_text.h"
#include "common/widgets/cell_table.h"
#include "common/widgets/embedded_document.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "tools/water/coefficient_sheets.h"

namespace korrimet::water {
namespace {

// Column widths of A to F and the row height, in pixels.
constexpr int kColumnWidths[] = {110, 130, 80, 80, 90, 90};
constexpr int kRowHeight = 20;
constexpr int kHeaderHeight = 22;
constexpr int kSheetTabsHeight = 22;
constexpr int kRowHeaderWidth = 30;
constexpr int kLeft = 120;

// A worksheet drawn from its stored cells. Shown, it only displays; active,
// its stored values take typing and the formula cells follow at once.
class SheetDocument : public StoredDocument {
public:
    explicit SheetDocument(CoefficientSheet sheet) : sheet_(std::move(sheet)) {}

    QWidget* createView() override {
        table_ = new CellTable(sheet_.rows, 6);
        table_->setFont(songti(9));
        table_->setHorizontalHeaderLabels({"A", "B", "C", "D", "E", "F"});
        table_->horizontalHeader()->setFixedHeight(kHeaderHeight);
        table_->verticalHeader()->setFixedWidth(kRowHeaderWidth);
        table_->verticalHeader()->setDefaultSectionSize(kRowHeight);
        table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        for (int c = 0; c < 6; ++c) table_->setColumnWidth(c, kColumnWidths[c]);
        // The workbook's sheet tabs sit left of the horizontal scroll bar;
        // all but the first sheet are empty.
        sheets_ = new QTabBar;
        sheets_->setShape(QTabBar::RoundedSouth);
        sheets_->setExpanding(false);
        sheets_->setDrawBase(false);
        sheets_->setStyleSheet(QStringLiteral("QTabBar::tab { height: %1px; padding: 0 8px; }").arg(kSheetTabsHeight - 4));
        for (const std::string& name : sheet_.worksheets) sheets_->addTab(qtext(name));
        table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        table_->horizontalScrollBar()->setFixedHeight(kSheetTabsHeight);
        table_->addScrollBarWidget(sheets_, Qt::AlignLeft);
        QObject::connect(sheets_, &QTabBar::currentChanged, table_, [this](int index) {
            for (int r = 0; r < table_->rowCount(); ++r) table_->setRowHidden(r, index != 0);
        });
        QObject::connect(table_, &QTableWidget::itemChanged, table_, [this] { recalculate(); });
        return table_;
    }

    bool restore() override {
        busy_ = true;
        table_->clearSpans();
        table_->clearContents();
        for (const SheetCell& cell : sheet_.cells) {
            auto* item = new QTableWidgetItem(qtext(cell.text));
            if (cell.kind != SheetCell::Kind::Value) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            table_->setItem(cell.row, cell.column, item);
            if (cell.rowSpan > 1 || cell.columnSpan > 1)
                table_->setSpan(cell.row, cell.column, cell.rowSpan, cell.columnSpan);
        }
        busy_ = false;
        sheets_->setCurrentIndex(0);
        // The stored picture shows no selection.
        table_->setCurrentItem(nullptr);
        table_->clearSelection();
        recalculate();
        setEditable(false);
        return !sheet_.cells.empty();
    }

    void setEditable(bool editable) override {
        table_->setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                               QAbstractItemView::AnyKeyPressed
                                         : QAbstractItemView::NoEditTriggers);
    }

    static int widthTwips() {
        int px = kRowHeaderWidth + 4;
        for (int w : kColumnWidths) px += w;
        return px * 15;
    }
    static int heightTwips(const CoefficientSheet& sheet) {
        return (kHeaderHeight + sheet.rows * kRowHeight + kSheetTabsHeight + 6) * 15;
    }

private:
    std::string textAt(int row, int column) const {
        const QTableWidgetItem* item = table_->item(row, column);
        return item ? item->text().toStdString() : std::string();
    }

    // Formula cells follow their sources; numbers stand right, text left.
    void recalculate() {
        if (busy_) return;
        busy_ = true;
        for (const SheetCell& cell : sheet_.cells) {
            QTableWidgetItem* item = table_->item(cell.row, cell.column);
            if (!item) continue;
            if (cell.kind != SheetCell::Kind::Value)
                item->setText(qtext(FormulaText(cell, [this](int r, int c) { return textAt(r, c); })));
            const bool merged = cell.rowSpan > 1 || cell.columnSpan > 1;
            const bool number = TryParseNumber(item->text().toStdString(), Precision::Double).has_value();
            item->setTextAlignment(Qt::AlignVCenter |
                                   (merged && !number ? Qt::AlignHCenter : number ? Qt::AlignRight : Qt::AlignLeft));
        }
        busy_ = false;
    }

    const CoefficientSheet sheet_;
    CellTable* table_ = nullptr;
    QTabBar* sheets_ = nullptr;
    bool busy_ = false;
};

EmbeddedDocumentForm::Layout sheetLayout(const CoefficientSheet& sheet) {
    EmbeddedDocumentForm::Layout l;
    l.kind = DocumentKind::Spreadsheet;
    l.activateCaption = QStringLiteral("激活（复原）表格");
    const int top = sheet.title.empty() ? kLeft : 600;
    l.documentTwips = QRect(kLeft, top, SheetDocument::widthTwips(), SheetDocument::heightTwips(sheet));
    if (!sheet.title.empty()) {
        l.title = qtext(sheet.title);
        l.titleName = qtext(sheet.titleName);
        l.titleTwips = QRect(kLeft, 120, SheetDocument::widthTwips(), 360);
    }
    return l;
}

// An industry's coefficients and amounts as a stored worksheet.
class CoefficientSheetForm : public EmbeddedDocumentForm {
public:
    explicit CoefficientSheetForm(const CoefficientSheet& sheet)
        : EmbeddedDocumentForm(qtext(sheet.className), qtext(sheet.caption), sheetLayout(sheet),
                               std::make_unique<SheetDocument>(sheet)) {}
};

}  // namespace
}  // namespace korrimet::water

// Runs when the application object is made, once the compiled-in sheets are
// in place.
static void registerCoefficientSheets() {
    using namespace korrimet;
    std::string error;
    const auto sheets =
        water::ParseCoefficientSheets(resourceText(":/water_tools/coefficient_sheets.txt").toStdString(), &error);
    if (!sheets) {
        qWarning("coefficient sheets: %s", error.c_str());
        return;
    }
    for (const water::CoefficientSheet& sheet : *sheets)
        ToolRegistry::instance().add(qtext(sheet.className), qtext(sheet.caption),
                                     [sheet](ToolRegistry&) -> ToolWindow* { return new water::CoefficientSheetForm(sheet); });
}
Q_COREAPP_STARTUP_FUNCTION(registerCoefficientSheets)
