#include "shell/help_window.h"

#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTextEdit>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "common/widgets/tool_registry.h"
#include "shell/help_topics.h"

namespace korrimet {
namespace {

constexpr int kKeyRole = Qt::UserRole;

}  // namespace

HelpWindow::HelpWindow() : ToolWindow(kClassName, kCaption, 7590, 6165) {
    FormBuilder f = form();
    QGroupBox* contents = f.frame(QStringLiteral("Frame1"), QStringLiteral("帮助目录"), 120, 120, 3495, 5895);
    tree_ = FormBuilder(contents).place(new QTreeWidget, QStringLiteral("TreeView1"), 120, 240, 3255, 5535);
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->viewport()->installEventFilter(this);
    // Long titles widen the column and bring a horizontal scroll bar instead of being cut.
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The arrow keys move the selection; the text follows it as it follows a click.
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (current && current->isSelected()) showTopic(current);
    });

    // The text lies in its frame as the tree lies in its own, so both sit below their titles alike.
    QGroupBox* text = f.frame(QStringLiteral("Frame2"), QStringLiteral("帮助内容"), 3840, 120, 3615, 5895);
    textBox_ = FormBuilder(text).richText(QStringLiteral("RichTextBox1"), 120, 240, 3375, 5535);
    textBox_->setReadOnly(true);
    textBox_->setFont(songti(10.5));

    Form_Load();
}

void HelpWindow::Form_Load() {
    QHash<QString, QTreeWidgetItem*> added;
    for (const HelpNode& n : HelpTopics()) {
        QTreeWidgetItem* parent = added.value(n.parent);
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
        item->setText(0, n.title);
        item->setData(0, kKeyRole, n.key);
        added.insert(n.key, item);
        if (n.show) {
            for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) p->setExpanded(true);
            tree_->scrollToItem(item);
        }
    }
    // Lines, plus/minus buttons and text; a single fixed border; lines at the roots too.
    tree_->setRootIsDecorated(true);
    tree_->setFrameStyle(QFrame::Box | QFrame::Plain);

    title_ = QStringLiteral("关于Korrimet");
    text_ = ComposeTopic(HelpTopics(), title_);
    textBox_->setPlainText(text_);
}

QTreeWidgetItem* HelpWindow::node(const QString& key) const {
    for (QTreeWidgetItemIterator it(tree_); *it; ++it)
        if ((*it)->data(0, kKeyRole).toString() == key) return *it;
    return nullptr;
}

void HelpWindow::TreeView1_Click() {
    const QList<QTreeWidgetItem*> selected = tree_->selectedItems();
    if (selected.isEmpty()) return;  // nothing chosen yet: the text stays
    showTopic(selected.first());
}

void HelpWindow::showTopic(const QTreeWidgetItem* item) {
    title_ = item->text(0);
    bool found = false;
    const QString topic = ComposeTopic(HelpTopics(), title_, &found);
    if (found) text_ = topic;
    textBox_->setPlainText(topic);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != tree_->viewport()) return ToolWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A press beside the nodes keeps the selection, which the view would clear.
        if (!tree_->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint())) return true;
        break;
    case QEvent::MouseButtonRelease:
        // The view has selected on the press; the release completes the click.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) TreeView1_Click();
        break;
    default:
        break;
    }
    return ToolWindow::eventFilter(watched, event);
}

KORRIMET_REGISTER_TOOL(HelpWindow);

}  // namespace korrimet
