#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

#include "platform/desktop_programs.h"
#include "shell/main_window.h"
#include "shell/menu_table.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

// Every window the main window opens, as the window lists of the toolboxes
// give it: class, caption, the menu item that opens it ("" for none) and
// whether an operation without a menu item opens it too.
struct Expected {
    const char* cls;
    const char* caption;
    const char* item;
    bool operation;
};

const Expected kWindows[] = {
    {"COD转换BOD", "COD转换BOD", "几种类型的废水COD与BOD的关系", false},
    {"note", "note", "关于产排污量计算的说明", false},
    {"丝织类", "丝织类", "纺织行业丝织产品产排污量", false},
    {"乡镇企业金属表面及热处理业排污量计算", "乡镇企业金属表面及热处理业排污量计算", "", true},
    {"二维稳态混合模式_河2", "二维稳态混合模式_河2", "二维稳态混合模式_河2", false},
    {"二维稳态混合衰减模式_河6", "二维稳态混合衰减模式_河6", "二维稳态混合衰减模式_河6", false},
    {"公路项目生活服务区水污染物", "公路项目生活服务区水污染物", "", true},
    {"制革行业", "制革行业", "制革行业产排污量计算", false},
    {"制革行业污染物排放量", "制革行业污染物排放量", "制革行业污染物排放的计算", false},
    {"医院水污染物排放", "医院水污染物排放", "", true},
    {"医院耗水量1", "医院耗水量", "医院耗水量", false},
    {"地面水现状评价方法1", "地面水现状评价方法一", "地面水现状评价方法一", false},
    {"地面水评价分级", "地面水评价分级", "地面水评价等级划分", false},
    {"地面水评价现状评价方法21", "地面水评价现状评价方法二", "地面水现状评价方法二", false},
    {"城市居民生活用水量标准1", "城市居民生活用水量标准", "城市居民生活用水量标准", false},
    {"完全混合模式_河15", "河流模式1,5", "SP模式_河15", false},
    {"弗罗模式_河37", "弗罗模式_河37", "弗罗模式_河37", false},
    {"托马斯模式_河9", "托马斯模式_河9", "托马斯模式_河9", false},
    {"棉机织", "棉机织", "纺织行业棉机织产品产排污量", false},
    {"棉针织", "棉针织", "纺织行业棉针织产品产排污量", false},
    {"毛粗纺", "毛粗纺", "纺织行业毛粗纺产品产排污量", false},
    {"毛精纺", "毛精纺", "纺织行业毛精纺产品产排污量", false},
    {"氧化铝", "氧化铝", "氧化铝行业产排污量计算", false},
    {"电解铝", "电解铝", "电解铝行业产排污量计算", false},
    {"碱法制浆行业", "碱法制浆行业", "碱法制浆行业排污量计算", false},
    {"稳态混合衰减累积流量模式_河8", "稳态混合衰减累积流量模式_河8", "稳态混合衰减累积流量模式_河8", false},
    {"稳态累积流量模式_河4", "稳态累积流量模式_河4", "稳态累积流量模式_河4", false},
    {"粗铅行业产排污量", "粗铅行业产排污量", "粗铅行业产排污量计算", false},
    {"粗铜行业", "粗铜行业", "粗铜行业污染物产排污计算", true},
    {"粗锌行业污染物排放", "粗锌行业污染物排放", "粗锌行业污染物排放的计算", false},
    {"约_新模式1", "约_新模式（海湾五）", "约_新模式_海湾5", false},
    {"纸袋纸新闻纸书写纸", "纸袋纸、新闻纸、书写纸", "纸袋纸、新闻纸、书写纸行业产排污量计算", false},
    {"绒线类", "绒线类", "纺织行业绒线产品产排污量", false},
    {"酒精行业污染物", "酒精行业污染物", "酒精行业产排污量计算", false},
    {"铜精矿污染物", "铜精矿污染物排放的计算", "铜精矿污染物排放的计算", false},
    {"铜锭铜板铅管带", "铜锭铜板铅管带", "铜锭铜板材铅管带行业产排污计算", false},
    {"铝薄板铝箔", "铝薄板铝箔", "铝薄板铝箔行业产排污量计算", false},
    {"铝铸件铝材", "铝铸件铝材", "铝铸件铝材行业产排污量计算", false},
    {"铝锭铝厚板", "铝锭铝厚板", "铝锭铝厚板行业产排污量计算", false},
    {"镍行业", "镍行业", "镍行业产排污量计算", false},
    {"麻纺类", "麻纺类", "纺织行业麻纺产品产排污量", false},
    {"公路交通噪声预测1", "公路交通噪声预测 《公路建设项目环境影响评价规范》JTG B03-2006", "公路交通噪声预测 JTG B 03-2006", false},
    {"公路交通噪声预测3", "公路交通噪声预测JTJ 005-96", "公路交通噪声预测 JTJ 005-96", false},
    {"分贝相减运算1", "分贝相减运算", "分贝相减计算", false},
    {"各类工业企业噪声的声级范围1", "各类工业企业噪声的声级范围", "各类工业企业噪声的声级范围", false},
    {"噪声控制措施的降噪效果1", "噪声控制措施的降噪效果", "噪声控制措施的降噪效果", false},
    {"噪声源叠加计算程序", "噪声源叠加计算程序", "点声源叠加计算", true},
    {"噪声源衰减计算程序", "噪声源衰减计算程序", "点声源衰减计算", false},
    {"常见工业设备噪声范围", "常见工业设备噪声范围", "常见工业设备噪声范围", true},
    {"建筑施工机械噪声声级1", "建筑施工机械噪声声级", "建筑施工机械噪声声级", false},
    {"施工现场边界上的噪声级1", "施工现场边界上的噪声级", "施工现场边界上的噪声级", false},
    {"两相泄漏量计算", "两相泄漏量计算", "风险评价两相泄漏计算", true},
    {"卫生防护距离计算工具", "卫生防护距离计算工具", "卫生防护距离计算", false},
    {"气体泄漏量", "气体泄漏量", "风险评价气体泄漏量计算", false},
    {"液体泄漏速度", "液体泄漏速度", "风险评价液体泄漏量计算", false},
    {"风险评价之烟团模式", "风险评价之多烟团模式计算", "烟团模式", false},
    {"风险评价蒸发量", "风险评价蒸发量", "风险评价蒸发量计算", false},
    {"各类贮罐大小呼吸量计算1", "Korrimet之贮罐呼吸量计算单行版", "各类贮罐大小呼吸量计算(石油库设计节能导则）", false},
    {"固定顶罐的呼吸排放量和工作排放量", "固定顶罐的呼吸排放量和工作排放量", "固定顶罐的呼吸排放量和工作排放量计算", false},
    {"建设工地起尘量的计算", "建设工地起尘量的计算", "建设工地起尘量计算", false},
    {"某港口道路扬尘计算1", "某港口道路扬尘计算", "某港口道路扬尘计算", false},
    {"汽车道路扬尘计算", "汽车道路扬尘计算", "汽车道路扬尘计算", false},
    {"煤堆起尘量计算", "煤堆起尘量计算", "煤堆起尘量计算", false},
    {"相关起尘量计算的资料", "相关起尘量计算的资料", "", true},
    {"秦皇岛码头煤堆起尘量计算", "秦皇岛码头煤堆起尘量计算", "秦皇岛码头煤堆起尘量计算", false},
    {"秦皇岛码头装卸起尘量计算1", "秦皇岛码头装卸起尘量计算", "秦皇岛码头装卸起尘量计算", false},
    {"道路起尘量计算", "道路起尘量计算", "道路起尘量计算", false},
    {"不同燃烧方式", "不同燃烧方式烟气含尘浓度", "不同燃烧方式烟气含尘浓度", false},
    {"全国主要能源折算标准表1", "全国主要能源折算标准表", "全国主要能源折算标准表", false},
    {"固液体燃料", "固液体燃料的燃烧计算数据", "固液体燃料的燃烧计算数据", false},
    {"大灶污染物产排量计算", "大灶污染物产排量计算", "燃煤大灶各类污染物产排量计算", false},
    {"常用锅炉耗煤或油量", "常用锅炉耗煤（油）量", "常用锅炉耗煤（油）量", false},
    {"平均浓度值最高值综合表", "各种燃烧方式锅炉烟尘平均浓度值、最高值综合表", "各种燃烧方式锅炉烟尘平均浓度值、最高值综合表", false},
    {"最低理论空气量", "各种燃料燃烧时所需的最低理论空气量", "各种燃料燃烧时所需的最低理论空气量", false},
    {"机动车排放污染物表1", "机动车排放污染物表", "机动车排放污染物表", false},
    {"机动车辆大气污染物排放表1", "机动车辆大气污染物排放表", "机动车辆大气污染物排放表", false},
    {"烟气量系数1", "锅炉烟气量产生系数", "锅炉烟气量产生系数", false},
    {"焦炭质量统计表1", "焦炭质量统计表", "焦炭质量统计表", false},
    {"燃料燃烧SO2计算", "燃料燃烧SO2计算", "", true},
    {"燃料燃烧燃气产生量", "燃料燃烧时产生的燃气量的计算", "燃料燃烧烟气量计算", false},
    {"燃气污染物排放量的计算1", "燃气污染物排放量的计算", "燃气污染物排放量计算", false},
    {"燃油排放污染物", "燃油二氧化硫氮氧化物一氧化碳排放量计算", "燃油污染物排放量计算", false},
    {"燃煤烟尘量", "燃煤污染物排放量", "燃煤污染物排放量计算", true},
    {"茶炉污染物产排放量计算", "茶炉污染物产排放量计算", "燃煤茶炉污染物产排放量计算", true},
    {"锅炉所需烟气量和排气量", "各种锅炉产生1t/h蒸汽所需要的空气和排烟量", "各种锅炉产生1t/h蒸汽所需要的空气和排烟量", false},
    {"锅炉氮氧化物及其它污染物产排量", "锅炉氮氧化物及其它污染物产排量", "", true},
    {"锅炉用燃料含氮量1", "锅炉用燃料含氮量", "锅炉用燃料含氮量", false},
    {"冲天炉渣产生量", "冲天炉渣产生量", "", true},
    {"化铝铜锌渣产生量的计算1", "化铝铜锌渣产生量的计算", "化铝渣 化铜渣 化锌渣产生量计算", false},
    {"污泥量计算", "污泥量计算", "生活污水处理中的污泥量计算", true},
    {"沉淀池污泥量", "沉淀池污泥量", "工业废水处理沉淀污泥产生量计算", false},
    {"电石渣产生量", "电石渣产生量", "电石渣产生量计算", false},
    {"锅炉煤灰渣产生量计算1", "锅炉煤灰渣产生量计算", "锅炉灰渣产生量计算", false},
    {"高炉渣钢渣铁合金渣产生量计算1", "高炉渣钢渣铁合金渣产生量计算", "高炉渣 钢渣 铁合金渣产生量计算", false},
    {"万能单位换算", "常用度量衡单位查询", "常用度量衡查询换算工具", false},
    {"产业结构调整指导目录", "产业结构调整指导目录", "产业结构调整指导目录(2011年)本查询", true},
    {"危险废物名录查询1", "危险废物名录查询", "危险废物名录查询", false},
    {"国民经济行业分类与代码检索1", "国民经济行业分类与代码检索", "国民经济行业分类与代码检索", false},
    {"常用单位换算", "常用单位换算", "常用单位换算2", false},
    {"建设项目环境影响评价咨询收费", "建设项目环境影响评价咨询收费", "建设项目环境影响评价咨询收费计算", false},
    {"浓度单位换算", "浓度单位换算", "常用单位换算1", false},
    {"有毒有害物质露天存放散发量", "有毒有害物质露天存放散发量", "有害物质露天存放散发量计算", false},
    {"不严密处散发量计算", "不严密处散发量计算", "设备和管道不严密处有害气体散发量计算", false},
    {"机动车污染物排放", "机动车污染物排放", "", true},
    {"各种油漆有机溶剂挥发量表", "各种油漆有机溶剂挥发量表", "各种油漆有机溶剂挥发系数", false},
    {"石灰窑废气产生量", "石灰窑废气产生量", "石灰窑废气量", false},
    {"白云石窑废气量计算", "白云石窑废气量计算", "白云石窑废气量", false},
    {"干燥废气计算", "干燥废气计算", "干燥产生的废气排放量", false},
    {"蒸发废气排放量", "蒸发废气排放量", "蒸发废气排放量", false},
    {"铸造工业颗粒物排放量", "铸造工业颗粒物排放量", "铸造颗粒物排放量", false},
    {"饲料及粮食加工", "饲料及粮食加工颗粒物排放量的计算", "饲料及粮食制粉颗粒物排放量", false},
    {"棉花轧花机粉尘排放量", "棉花轧花机粉尘排放量", "棉花轧花机粉尘排放量", false},
    {"玻璃原料制造设备颗粒物排放量", "玻璃原料制造设备颗粒物排放量", "玻璃原料制造设备颗料物排放量", false},
    {"玻璃制造颗粒物排放量", "玻璃制造颗粒物排放量", "玻璃制造设备颗粒物排放量", false},
    {"石灰窑粉尘量计算", "石灰窑粉尘量计算", "石灰窑粉尘排放量", false},
    {"焚烧垃圾烟尘排放量", "焚烧垃圾烟尘排放量", "焚烧垃圾相关污染物排放量", false},
    {"空气污染指数计算1", "空气污染指数计算", "空气污染指数（API）计算", false},
    {"大气评价等级的划分", "大气评价等级的划分", "", true},
    {"烟囱出口风速计算1", "烟囱出口风速计算", "", true},
    {"烟气抬升高度计算1", "烟气抬升高度计算", "", true},
    {"混合层高度计算1", "混合层高度计算", "", true},
    {"帮助内容", "帮助内容", "升级历史", true},
    {"frmAbout", "关于 Korrimet", "关于Korrimet", false},
};

}  // namespace

class MenuTreeTest : public QObject {
    Q_OBJECT
    MainWindow* main_ = nullptr;
    QList<QUrl> urls_;
    QTemporaryDir programDir_;
    QByteArray savedPath_;

    static void collect(QMenu* menu, QList<QAction*>& headers, QList<QAction*>& leaves) {
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            if (a->menu()) {
                headers << a;
                collect(a->menu(), headers, leaves);
            } else {
                leaves << a;
            }
        }
    }

    // The menu tree without the tray's popup: headers and items, depth first.
    void tree(QList<QAction*>& headers, QList<QAction*>& leaves) const {
        for (QAction* a : main_->menuBar()->actions()) {
            if (a->objectName() == "mnuTray") continue;
            headers << a;
            collect(a->menu(), headers, leaves);
        }
    }

    QAction* item(const QString& caption) const {
        QList<QAction*> headers, leaves;
        tree(headers, leaves);
        QAction* found = nullptr;
        for (QAction* a : leaves) {
            if (a->text() != caption) continue;
            if (found) qFatal("two items captioned %s", qPrintable(caption));
            found = a;
        }
        if (!found) qFatal("no item captioned %s", qPrintable(caption));
        return found;
    }

    QUrl urlOf(const QString& caption) {
        urls_.clear();
        item(caption)->trigger();
        if (urls_.size() != 1) qFatal("%s opened %lld addresses", qPrintable(caption), qlonglong(urls_.size()));
        return urls_.first();
    }

    void writeProgram(const QString& name, const QString& log) {
        QFile f(programDir_.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\necho %1 >> '%2'\n").arg(name, log).toUtf8());
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }

public slots:
    void recordUrl(const QUrl& url) { urls_ << url; }

private slots:
    void initTestCase() {
        QCoreApplication::setApplicationName("Korrimet");  // as the program names itself; the About caption shows it
        for (const char* scheme : {"http", "https", "mailto"}) QDesktopServices::setUrlHandler(scheme, this, "recordUrl");
        // No real desktop program may start from this test.
        savedPath_ = qgetenv("PATH");
        qputenv("PATH", programDir_.path().toLocal8Bit());
        main_ = new MainWindow;
    }
    void cleanupTestCase() {
        delete main_;
        qputenv("PATH", savedPath_);
        for (const char* scheme : {"http", "https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
    }
    void cleanup() {
        test::closeAllTools();
        urls_.clear();
    }

    void aMalformedTableIsRefusedWithItsLine() {
        const QList<QPair<QString, QString>> bad{
            {"\tA\tA\tmenu\nB\tx\tx\ttool\tW\n", "line 2: no menu B before this row"},
            {"\tA\tA\tmenu\nA\tx\tx\ttool\n", "line 2: target does not fit the action"},
            {"\tA\tA\tmenu\nA\tx\tx\tweb\tforum\t\tgrey\n", "line 2: unknown flag grey"},
            {"\tA\tA\tmenu\nA\tA\tx\ttool\tW\n", "line 2: control name twice: A"},
            {"\tA\tA\topen\tW\n", "line 1: unknown action open"},
            {"\tx\tx\ttool\tW\n", "line 1: only menus stand in the menu bar"},
            {"*\tq\t\tclose\n*\tq\t\tclose\n", "line 2: operation twice: q"},
        };
        for (const auto& [text, why] : bad) {
            QString error;
            QVERIFY(ParseMenuTable(text, &error).isEmpty());
            QCOMPARE(error, why);
        }
        QString error = "unset";
        const QList<MenuRow> rows =
            ParseMenuTable("# comment\n\tA\tA\tmenu\r\nA\tx\tX\ttool\tW\tW 窗口\thidden\n*\tq\t\tclose\n", &error);
        QCOMPARE(error, "");
        QCOMPARE(rows.size(), 3);
        QVERIFY(rows[1].hidden);
        QCOMPARE(rows[1].toolCaption(), "W 窗口");
        QVERIFY(rows[2].isOperation());
    }

    void elevenMenusStandInTheBarInOrderAndTheTrayMenuIsHidden() {
        QStringList names, captions;
        for (QAction* a : main_->menuBar()->actions()) {
            if (!a->isVisible()) continue;
            names << a->objectName();
            captions << a->text();
        }
        QCOMPARE(names, QStringList({"气工具箱", "水工具箱", "声工具箱", "固废工具箱", "燃料产污工具箱", "风险评价工具箱",
                                     "其它工具箱", "理化性质", "计算机小帮手", "中国Orlenfeld", "帮助"}));
        QCOMPARE(captions, QStringList({"气工具", "水工具", "声工具", "固废工具", "燃料废气工具", "风险评价工具", "其它工具",
                                        "理化性质", "计算机小帮手", "Orlenfeld", "帮助"}));
        QAction* tray = main_->menuBar()->actions().last();
        QCOMPARE(tray->objectName(), "mnuTray");
        QCOMPARE(tray->text(), "Popup");
        QVERIFY(!tray->isVisible());
    }

    void everyItemOpensAWindowAnAddressOrAProgram() {
        MessageRecorder messages;  // the programs are missing here
        QList<QAction*> headers, leaves;
        tree(headers, leaves);
        QCOMPARE(headers.size(), 21);
        QCOMPARE(leaves.size(), 125);
        int tools = 0, visibleTools = 0, webs = 0, programs = 0;
        for (QAction* a : leaves) {
            const qsizetype windows = ToolRegistry::instance().openWindows().size();
            urls_.clear();
            messages.clear();
            a->trigger();
            const bool opened = ToolRegistry::instance().openWindows().size() > windows;
            if (opened) {
                ++tools;
                visibleTools += a->isVisible();
            } else if (urls_.size() == 1) {
                ++webs;
            } else if (messages.messages().size() == 1) {
                ++programs;
            } else {
                qFatal("item %s did nothing", qPrintable(a->text()));
            }
            test::closeAllTools();
        }
        QCOMPARE(tools, 111);
        QCOMPARE(visibleTools, 108);
        QCOMPARE(webs, 11);
        QCOMPARE(programs, 3);
    }

    void eachWindowOpensUnderItsClassNameAndCaption() {
        ToolRegistry& registry = ToolRegistry::instance();
        for (const Expected& e : kWindows) {
            QList<std::function<void()>> openers;
            if (*e.item) openers << [&] { item(QString::fromUtf8(e.item))->trigger(); };
            if (e.operation) openers << [&] { QVERIFY(main_->runOperation(QString::fromUtf8(e.cls))); };
            QVERIFY2(!openers.isEmpty(), e.cls);
            for (const auto& open : openers) {
                open();
                QWidget* w = registry.window(QString::fromUtf8(e.cls));
                QVERIFY2(w && w->isVisible(), e.cls);
                QCOMPARE(w->objectName(), QString::fromUtf8(e.cls));
                QCOMPARE(w->windowTitle(), QString::fromUtf8(e.caption));
                QVERIFY(w->parentWidget() == nullptr);
                test::closeAllTools();
            }
        }
    }

    void theDustSubmenuShowsFourItemsAndKeepsThreeHiddenOnes() {
        QMenu* dust = main_->findChild<QMenu*>("起尘量的计算");
        QVERIFY(dust);
        QStringList shown, hidden;
        for (QAction* a : dust->actions()) (a->isVisible() ? shown : hidden) << a->objectName();
        QCOMPARE(shown, QStringList({"秦皇岛码头煤堆起尘量的计算", "秦皇岛码头装卸起尘量", "某港口道路扬尘计算",
                                     "汽车道路扬尘的计算"}));
        QCOMPARE(hidden, QStringList({"道路起尘量的计算", "煤堆起尘量的计算", "建设工地起尘量计算"}));
        const QStringList windows{"道路起尘量计算", "煤堆起尘量计算", "建设工地起尘量的计算"};
        for (int i = 0; i < hidden.size(); ++i) {
            main_->findChild<QAction*>(hidden[i])->trigger();
            QVERIFY(ToolRegistry::instance().window(windows[i]));
        }
    }

    void itemsCarryTheirControlNames() {
        const QList<QPair<QString, QString>> names{
            {"各类贮罐大小呼吸量计算", "各类贮罐大小呼吸量计算(石油库设计节能导则）"},
            {"经验系数2", "经验系数"},
            {"制革行业污染料物排放的计算", "制革行业污染物排放的计算"},
            {"sp模式_河15", "SP模式_河15"},
            {"公路交通噪声预测", "公路交通噪声预测 JTG B 03-2006"},
            {"经验系数6", "燃料燃烧过程中大气污染物及排放系数"},
            {"常用锅炉耗煤或油量1", "常用锅炉耗煤（油）量"},
            {"预测计算", "导则计算"},
            {"标准规范", "主网站"},
            {"关于VexKorrimet", "关于Korrimet"},
        };
        for (const auto& [name, caption] : names) {
            QAction* a = main_->findChild<QAction*>(name);
            QVERIFY2(a, qPrintable(name));
            QCOMPARE(a->text(), caption);
        }
    }

    void webItemsOpenTheirAddresses() {
        const QUrl site = urlOf("主网站"), forum = urlOf("环境社区"), blog = urlOf("环境博客");
        for (const QUrl& u : {site, forum, blog}) QVERIFY2(u.host().endsWith("orlenfeld.example"), qPrintable(u.toString()));
        QCOMPARE(QSet<QUrl>({site, forum, blog}).size(), 3);
        QCOMPARE(urlOf("技术支持"), forum);

        const QList<QPair<QString, QString>> paths{
            {"突发性污染事故危险品档案库", "/msds"},   {"化学品安全窗口", "/windows_huaxue/weihua_full.asp"},
            {"化学品安全卡", "/icsc/"},                {"MSDS", "/notices/"},
            {"化工引擎", "/"},                         {"化学品安全技术说明书", "/"},
            {"化工助手", "/"},
        };
        QSet<QString> hosts;
        for (const auto& [caption, path] : paths) {
            const QUrl u = urlOf(caption);
            QVERIFY2(u.isValid() && u.scheme() == "https", qPrintable(caption));
            QCOMPARE(u.path(), path);
            QVERIFY(!u.host().endsWith("orlenfeld.example"));
            hosts << u.host();
        }
        QCOMPARE(urlOf("化工助手").host(), urlOf("MSDS").host());
        QCOMPARE(hosts.size(), 6);
    }

    void programItemsStartTheFirstStandInFound() {
        const QString log = programDir_.filePath("started.log");
        for (const char* name : {"NOTEPAD.EXE", "calc.exe", "mspaint.exe"})
            writeProgram(DesktopProgramCandidates(name).first(), log);
        for (const char* caption : {"记事本", "计算器", "画图"}) item(caption)->trigger();
        auto started = [&] {
            QFile f(log);
            if (!f.open(QIODevice::ReadOnly)) return QStringList{};
            QStringList lines = QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
            lines.sort();
            return lines;
        };
        QStringList expected{DesktopProgramCandidates("notepad.exe").first(), DesktopProgramCandidates("calc.exe").first(),
                             DesktopProgramCandidates("mspaint.exe").first()};
        expected.sort();
        QTRY_COMPARE(started(), expected);
    }

    void operationsWithoutMenuItems() {
        const QStringList ops = main_->operations();
        QCOMPARE(ops.size(), 25);
        QCOMPARE(ops.count(), QSet<QString>(ops.begin(), ops.end()).size());

        const QList<QUrl> expected{urlOf("主网站"), urlOf("环境社区")};
        urls_.clear();
        QVERIFY(main_->runOperation("主网站"));
        QVERIFY(main_->runOperation("环境社区"));
        QCOMPARE(urls_, expected);

        MessageRecorder messages;
        QVERIFY(main_->runOperation("理化性质说明"));
        QCOMPARE(messages.messages(),
                 QStringList{"本类菜单所列的我国目前关于化学品安全管理以及化学品理化性质最全的网站，专门收录！供大家在工作中查询用！"
                             "大家查询过程中，只需直接点击相应的菜单即可去相应的网站进行方便快捷的查询！在此引用的相关网站表示感谢！"});
        QVERIFY(!main_->runOperation("无此操作"));

        MainWindow other;
        other.show();
        QVERIFY(main_->runOperation("燃料燃烧SO2计算"));
        QVERIFY(other.runOperation("退出"));
        QVERIFY(!other.isVisible());
        QVERIFY(!other.tray().isAdded());
        QVERIFY(ToolRegistry::instance().window("燃料燃烧SO2计算")->isVisible());
    }
};

KORRIMET_UI_TEST_MAIN(MenuTreeTest)
#include "menu_tree_uitest.moc"
